#!/usr/bin/env bash
# Creates or removes the Wine prefix of one test run.
#   wine-prefix.sh create FILE   new prefix in a temporary folder, its path into FILE
#   wine-prefix.sh remove FILE   stops its wineserver, deletes it and FILE
set -euo pipefail
action="$1"
file="$2"
# Wine maps file names through the Unix locale: the same UTF-8 one for every
# caller, also one that sets no locale at all.
export LC_ALL=C.UTF-8
unset LANGUAGE
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY

remove() {
    [ -f "$file" ] || return 0
    local prefix
    prefix="$(cat "$file")"
    rm -f "$file"
    case "$prefix" in
        "${TMPDIR:-/tmp}"/torva-wine.*) ;;
        *) echo "not a test prefix: $prefix" >&2; return 1 ;;
    esac
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
    rm -rf "$prefix"
}

case "$action" in
    create)
        remove
        prefix="$(mktemp -d "${TMPDIR:-/tmp}/torva-wine.XXXXXX")"
        echo "$prefix" >"$file"
        WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1
        WINEPREFIX="$prefix" wineserver -w
        ;;
    remove)
        remove
        ;;
    *)
        echo "usage: $0 create|remove FILE" >&2
        exit 2
        ;;
esac
