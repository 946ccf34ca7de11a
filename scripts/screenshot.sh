#!/bin/sh
# Makes docs/console.png: kordavo.exe in Wine's console window under Xvfb,
# with a CJK font, after the name "movie" has been typed into it.
# Installs Debian's xvfb, fonts-wqy-microhei, xdotool and imagemagick when
# missing.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb fonts-wqy-microhei xdotool imagemagick

# The cache folder lies on drive D:, as it would on Windows.
work=$PWD/build/screenshot
cache="$work/drive-d/腾讯视频缓存"
rm -rf "$work"
mkdir -p "$cache"
for piece in 1 2 3; do
  printf 'piece %s\n' "$piece" > "$cache/0000000$piece.tdl"
done
# The program's own sources, but for the output to Wine's console window (see
# docs/screenshot/console_output_in_a_wine_window.cpp for why).
x86_64-w64-mingw32-g++-posix -std=c++17 -Os -fno-exceptions -fno-rtti -Isrc -static -s \
  -o "$cache/kordavo.exe" src/main.cpp src/conversion/*.cpp src/platform/*.cpp \
  $(ls src/platform/win32/*.cpp | grep -v console_output) \
  docs/screenshot/console_output_in_a_wine_window.cpp

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 DISPLAY=:73
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Console' /v FaceName /d 'WenQuanYi Micro Hei Mono' /f >/dev/null 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Console' /v FontSize /t REG_DWORD /d 0x00100000 /f >/dev/null 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Console' /v WindowSize /t REG_DWORD /d 0x00140064 /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
ln -s "$work/drive-d" "$WINEPREFIX/dosdevices/d:"

(cd "$cache" && /usr/lib/wine/wine64 wineconsole 'D:\腾讯视频缓存\kordavo.exe' >/dev/null 2>&1 &)
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name 'kordavo\.exe' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "screenshot: the console window did not appear" >&2; exit 1; }
sleep 2
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool type --delay 80 movie
xdotool key Return
sleep 1.5
mkdir -p docs
import -window "$window" docs/console.png
/usr/lib/wine/wineserver -w
echo "docs/console.png: $(identify -format '%wx%h' docs/console.png)"
