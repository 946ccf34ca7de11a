#!/bin/sh
# Sets up a Debian 12 machine as needed, builds Kordavo, and runs it under
# Wine on a sample cache folder of pieces that it makes: the program is copied
# into the folder and given the name 示例视频, as a user would type it. It runs
# the shipped program, build/win32/kordavo.exe, under Wine's 32-bit loader;
# on a machine whose kernel runs no 32-bit code, the 64-bit build of the same
# sources under wine64 instead.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

probe=$(python3 scripts/probe_32_bit.py)
if [ "$probe" = yes ]; then
  preset=win32 loader=wine
else
  preset=win64 loader=wine64
  echo "This machine cannot run the shipped 32-bit program (${probe#no: }); running the 64-bit build instead."
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --parallel "$(nproc)" --target kordavo

folder=build/sample/腾讯视频缓存
rm -rf build/sample
mkdir -p "$folder"
for piece in 1 2 3 4; do
  printf 'piece %s of the sample video\n' "$piece" > "$folder/0000000$piece.tdl"
done
cp "build/$preset/kordavo.exe" "$folder/"

prefix=$PWD/build/$preset/wineprefix
echo "Running $folder/kordavo.exe, built by the $preset preset (its output turned from GBK into UTF-8 for this terminal):"
printf '示例视频\r\n' | iconv -f UTF-8 -t GBK |
  tests/wine/wine.sh "$loader" "$prefix" "$folder/kordavo.exe" 2>/dev/null |
  iconv -f GBK -t UTF-8 | tr -d '\r'
echo
# The program does not wait for cmd; the prefix's last process ends with the copy.
tests/wine/wine.sh "$loader" "$prefix" wineserver -w

cat "$folder"/*.tdl | cmp - "$folder/示例视频.mp4"
echo "Joined: $folder/示例视频.mp4 ($(wc -c < "$folder/示例视频.mp4") bytes, the four pieces in order)"
