#!/bin/sh
# Sets up a Debian 12 machine as needed, then builds and runs every test:
#   host   the procedure against the test platform, with ASan and UBSan
#   fuzz   a short fixed run of the copy command's fuzzer
#   win64  the real platform, and the real program under Wine's 64-bit loader
#   win32  the shipped 32-bit program under Wine's 32-bit loader, where the
#          kernel runs 32-bit code; its headers and resources, and the
#          reproducible release
# The two Windows builds have Wine prefixes of their own, so their tests run
# side by side.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

for preset in host fuzz win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --parallel "$(nproc)"
done
for preset in host fuzz; do
  echo "== test $preset"
  ctest --preset "$preset"
done

ctest --preset win64 > build/win64/ctest.log 2>&1 &
win64=$!
ctest --preset win32 > build/win32/ctest.log 2>&1 &
win32=$!
status=0
wait "$win64" || status=1
wait "$win32" || status=1
for preset in win64 win32; do
  echo "== test $preset"
  cat "build/$preset/ctest.log"
done

wine_runs=$(cat build/win32/wine-runs.txt)
if [ "$wine_runs" = yes ]; then
  echo "Ran the shipped 32-bit program and the 64-bit build under Wine."
else
  echo "Ran the 64-bit build under Wine; the shipped 32-bit program was not started ($wine_runs)."
fi
exit "$status"
