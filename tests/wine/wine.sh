#!/bin/sh
# Runs a Windows program, or the wineserver, in the given Wine prefix:
#   wine.sh PREFIX PROGRAM [ARGUMENTS...]
#   wine.sh PREFIX wineserver -w     (waits until every process of PREFIX ends)
# The prefix gets code page 936 (LANG=zh_CN.UTF-8), no display, so that a
# message box returns at once, and none of Wine's own chatter.
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
unset DISPLAY WAYLAND_DISPLAY
if [ "${1-}" = wineserver ]; then
  shift
  exec /usr/lib/wine/wineserver "$@"
fi
exec /usr/lib/wine/wine64 "$@"
