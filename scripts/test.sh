#!/bin/sh
# Sets up a Debian 12 machine as needed, then builds and runs every test:
#   host   the procedure against the test platform, with ASan and UBSan
#   win64  the real platform and the real program under wine64
#   win32  the headers and resources of the shipped 32-bit program, and the
#          reproducible release
#   fuzz   a short fixed run of the copy command's fuzzer
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

for preset in host fuzz win64 win32; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --parallel "$(nproc)"
  ctest --preset "$preset"
done
