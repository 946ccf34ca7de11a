#!/bin/sh
# Makes docs/console.png: kordavo.exe in a console under Xvfb, after the name
# 电影 has been typed into it, as on a Chinese Windows: Latin letters half a
# character wide, Chinese ones whole, and the window's title bar with the
# program's 16x16 icon.
#
# Wine makes a console of a Unix terminal, and xterm, unlike Wine's own
# console window, gives Latin letters one cell and Chinese characters two,
# as Windows' console does; tmux carries the typed characters into it. The
# title bar is drawn onto the picture, since Xvfb has no window manager.
# Installs Debian's xvfb, xterm, tmux, fonts-wqy-microhei, xdotool and
# imagemagick when missing.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xterm tmux fonts-wqy-microhei xdotool imagemagick

font_file=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
title='D:\腾讯视频缓存\kordavo.exe'

# The cache folder lies on drive D:, as it would on Windows.
work=$PWD/build/screenshot
cache="$work/drive-d/腾讯视频缓存"
rm -rf "$work"
mkdir -p "$cache"
for piece in 1 2 3; do
  printf 'piece %s\n' "$piece" > "$cache/0000000$piece.tdl"
done
# The program's own sources, but for the output to a Wine console (see
# docs/screenshot/console_output_in_a_wine_console.cpp for why).
x86_64-w64-mingw32-g++-posix -std=c++17 -Os -fno-exceptions -fno-rtti -Isrc -static -s \
  -o "$cache/kordavo.exe" src/main.cpp src/conversion/*.cpp src/platform/*.cpp \
  $(ls src/platform/win32/*.cpp | grep -v console_output) \
  docs/screenshot/console_output_in_a_wine_console.cpp

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 DISPLAY=:73
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'tmux -L kordavo kill-server 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w
ln -s "$work/drive-d" "$WINEPREFIX/dosdevices/d:"

tmux -L kordavo -f /dev/null new-session -d -s kordavo -x 80 -y 13 \
  "/usr/lib/wine/wine64 '$title' 2>/dev/null; sleep 60"
tmux -L kordavo set -g status off
xterm -T "$title" -fa 'WenQuanYi Micro Hei Mono' -fs 12 -geometry 80x13+0+0 -b 4 -bw 0 \
  -bg black -fg '#c0c0c0' -e tmux -L kordavo attach -t kordavo 2>/dev/null &
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name 'kordavo\.exe' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "screenshot: the terminal did not appear" >&2; exit 1; }
sleep 3
tmux -L kordavo send-keys -t kordavo -l '电影'
sleep 0.5
tmux -L kordavo send-keys -t kordavo Enter
sleep 2
import -window "$window" "$work/console.png"

width=$(identify -format '%w' "$work/console.png")
escaped_title=$(printf '%s' "$title" | sed 's/\\/\\\\/g')
mkdir -p docs
convert -size "${width}x30" xc:white -font "$font_file" -pointsize 13 -fill black \
  -annotate +32+20 "$escaped_title" \( res/kordavo.ico[3] \) -geometry +9+7 -composite \
  "$work/console.png" -append -bordercolor '#7a7a7a' -border 1 -depth 8 -strip docs/console.png
echo "docs/console.png: $(identify -format '%wx%h' docs/console.png)"
