#!/bin/sh
# Installs on Debian 12 whatever building and testing Kordavo needs and is
# not there yet: CMake, both MinGW-w64 compilers, Wine with its 64-bit and
# 32-bit halves (wine64, and wine32 from the i386 architecture, which runs
# the shipped 32-bit program), GoogleTest's sources, clang with libFuzzer,
# Python with pefile, ffmpeg for the tests' videos, and the zh_CN.UTF-8
# locale, without which Wine cannot open paths that hold Chinese characters;
# and any further packages named as arguments.
# Runs as root, or through sudo. Does nothing when everything is in place.
set -eu

packages="cmake make g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 wine32:i386 locales
  googletest clang libclang-rt-14-dev python3 python3-pefile ffmpeg $*"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "setup: needs root (or sudo) to install: $*" >&2
    exit 1
  fi
}

# wine32 comes from the i386 architecture, which apt must know before it can
# find the package; the apt-get update below then reads its lists.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture for wine32"
  as_root dpkg --add-architecture i386
fi

missing=""
for package in $packages; do
  status=$(dpkg-query -W -f '${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing="$missing $package"
done
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN\.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen
fi
