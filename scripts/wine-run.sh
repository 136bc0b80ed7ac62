#!/usr/bin/env bash
# Runs a Windows program under Wine as the tests and the start command need it: a Japanese
# system (ANSI code page 932), a prefix of the build's own, and a display (a virtual one when
# none is set).
# Usage: wine-run.sh [--prefix DIR] [--virtual-desktop] program.exe [arguments...]
#   --virtual-desktop  every window of the prefix lives in one Wine desktop window: no window
#                      manager to wait for, and Wine draws the captions and menus itself
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

prefix=${WINEPREFIX:-$here/../build/wine-prefix}
virtual_desktop=false
while [ $# -gt 0 ]; do
    case "$1" in
    --prefix) prefix=$2; shift 2 ;;
    --virtual-desktop) virtual_desktop=true; shift ;;
    *) break ;;
    esac
done

export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
# Wine takes its ANSI code page from the locale; ja_JP gives 932, as on a Japanese Windows.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "wine-run.sh: the ja_JP.UTF-8 locale is missing; run scripts/install-deps.sh" >&2
    exit 2
fi

# A virtual display of our own when there is none, started once and reused by later runs.
if [ -z "${DISPLAY:-}" ]; then
    display=${TALLYMERE_XVFB_DISPLAY:-97}
    if ! [ -S "/tmp/.X11-unix/X$display" ]; then
        setsid Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
        for _ in $(seq 1 100); do
            [ -S "/tmp/.X11-unix/X$display" ] && break
            sleep 0.1
        done
    fi
    export DISPLAY=":$display"
fi

# The prefix is made once; concurrent test runs wait for whoever makes it.
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if ! [ -f "$prefix/.tallymere-ready" ]; then
        wineboot --init >/dev/null 2>&1 || true
        if $virtual_desktop; then
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f \
                >/dev/null 2>&1
        fi
        wineserver --wait || true
        touch "$prefix/.tallymere-ready"
    fi
) 9> "$prefix.lock"

exec wine "$@"
