#!/bin/sh
# Runs a Windows program, or the wineserver, in the given Wine prefix:
#   wine.sh LOADER PREFIX PROGRAM [ARGUMENTS...]
#   wine.sh LOADER PREFIX wineserver -w   (waits until every process of PREFIX ends)
# LOADER is wine, Wine's 32-bit loader for the shipped program, or wine64.
# The prefix gets code page 936 (LANG=zh_CN.UTF-8) unless WINE_LANG names
# another locale, no display, so that a message box returns at once, and
# none of Wine's own chatter.
set -eu
loader=$1
prefix=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG="${WINE_LANG:-zh_CN.UTF-8}" LC_ALL="${WINE_LANG:-zh_CN.UTF-8}"
unset DISPLAY WAYLAND_DISPLAY
if [ "${1-}" = wineserver ]; then
  shift
  exec /usr/lib/wine/wineserver "$@"
fi
exec "/usr/lib/wine/$loader" "$@"
