#!/bin/sh
# Sets up a Debian 12 machine as needed, builds Kordavo, and runs it under
# Wine on a sample cache folder of pieces that it makes: the program is copied
# into the folder and given the name 示例视频, as a user would type it. The
# shipped program is build/win32/kordavo.exe; this machine runs 64-bit code
# only, so the sample runs build/win64/kordavo.exe, built from the same sources.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --parallel "$(nproc)" --target kordavo
done

folder=build/sample/腾讯视频缓存
rm -rf build/sample
mkdir -p "$folder"
for piece in 1 2 3 4; do
  printf 'piece %s of the sample video\n' "$piece" > "$folder/0000000$piece.tdl"
done
cp build/win64/kordavo.exe "$folder/"

prefix=$PWD/build/win64/wineprefix
echo "Running $folder/kordavo.exe (its output turned from GBK into UTF-8 for this terminal):"
printf '示例视频\r\n' | iconv -f UTF-8 -t GBK |
  tests/wine/wine.sh "$prefix" "$folder/kordavo.exe" 2>/dev/null |
  iconv -f GBK -t UTF-8 | tr -d '\r'
echo
# The program does not wait for cmd; the prefix's last process ends with the copy.
tests/wine/wine.sh "$prefix" wineserver -w

cat "$folder"/*.tdl | cmp - "$folder/示例视频.mp4"
echo "Joined: $folder/示例视频.mp4 ($(wc -c < "$folder/示例视频.mp4") bytes, the four pieces in order)"
