#!/usr/bin/env bash
# Runs a Windows test program under Wine, quietly and without a display.
# The prefix is $WINEPREFIX, or the one whose path is in the file named by
# $TORVA_WINE_PREFIX_FILE (written by wine-prefix.sh create).
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ] && [ -n "${TORVA_WINE_PREFIX_FILE:-}" ]; then
    WINEPREFIX="$(cat "$TORVA_WINE_PREFIX_FILE")"
fi
: "${WINEPREFIX:?no Wine prefix: run the tests through ctest or set WINEPREFIX}"
export WINEPREFIX
# Wine maps file names through the Unix locale: the same UTF-8 one for every
# caller, also one that sets no locale at all.
export LC_ALL=C.UTF-8
unset LANGUAGE
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY
exec wine "$@"
