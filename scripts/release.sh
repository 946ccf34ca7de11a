#!/bin/sh
# Builds the shipped 32-bit program from a clean build folder and writes
# dist/kordavo-<version>-win32.zip. The same sources give the same bytes.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
rm -rf build/release dist
cmake --preset win32 -B build/release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target release
