#!/usr/bin/env bash
# Runs a Windows program under Wine as the tests and the start command need it: a Japanese
# system (ANSI code page 932) unless another locale is asked for, a prefix of the build's own
# with the fonts a stock Windows has, and a display (a virtual one when none is set).
# Usage: wine-run.sh [--prefix DIR] [--locale LOCALE] [--dpi N] [--virtual-desktop] program.exe [args...]
#        wine-run.sh [--prefix DIR] [--locale LOCALE] [--dpi N] [--virtual-desktop] --prepare
#   --locale LOCALE    the system's locale, from which Wine takes its ANSI code page:
#                      ja_JP.UTF-8 (932, the default) or C.UTF-8 (1252); use one prefix a locale
#   --dpi N            the screen's dots per inch when the prefix is made: 144 is a screen
#                      scaled to 150 %; 96 (100 %) unless told
#   --prepare          only make the prefix and the display ready, for the programs to come
#   --virtual-desktop  every window of the prefix lives in one Wine desktop window: no window
#                      manager to wait for, and Wine draws the captions and menus itself
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

prefix=${WINEPREFIX:-$here/../build/wine-prefix}
locale=ja_JP.UTF-8
virtual_desktop=false
prepare=false
dpi=96
while [ $# -gt 0 ]; do
    case "$1" in
    --prefix) prefix=$2; shift 2 ;;
    --locale) locale=$2; shift 2 ;;
    --dpi) dpi=$2; shift 2 ;;
    --prepare) prepare=true; shift ;;
    --virtual-desktop) virtual_desktop=true; shift ;;
    *) break ;;
    esac
done

export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
export FONTCONFIG_FILE=$here/wine-fonts.conf
# Wine takes its ANSI code page from the locale; ja_JP gives 932, as on a Japanese Windows.
export LANG=$locale LC_ALL=$locale

# Locale names as `locale -a` lists them: lower case, "utf8".
normal_locale() { tr '[:upper:]' '[:lower:]' | sed 's/utf-8$/utf8/'; }
if ! locale -a 2>/dev/null | normal_locale | grep -qxF "$(normal_locale <<<"$locale")"; then
    echo "wine-run.sh: the $locale locale is missing; run scripts/install-deps.sh" >&2
    exit 2
fi

# A display that answers (a socket or lock file alone proves nothing: a server may have died
# with it): the one set; else, in a session (scripts/wine-session.sh), the prefix's virtual one,
# started once for the session; else a virtual one for this run alone. Whatever this run
# starts, it ends: the display and the prefix's Wine server, once the program has ended.
display_answers() { DISPLAY=$1 xdpyinfo >/dev/null 2>&1; }
if [ -n "${DISPLAY:-}" ] && ! display_answers "$DISPLAY"; then
    echo "wine-run.sh: DISPLAY=$DISPLAY does not answer; using a virtual display" >&2
    unset DISPLAY
fi
mkdir -p "$(dirname "$prefix")"
session=${TALLYMERE_WINE_SESSION:-}
own_display=""
if [ -n "$session" ]; then
    mkdir -p "$session"
    echo "$prefix" >>"$session/prefixes"
fi
if [ -z "${DISPLAY:-}" ] && [ -n "$session" ]; then
    record=$session/$(basename "$prefix").display
    (
        flock 8
        if ! { [ -s "$record" ] && display_answers ":$(cut -d' ' -f1 "$record")"; }; then
            # The server must not inherit the lock, or it would hold it for its whole life.
            "$here/virtual-display.sh" >"$record" 8>&-
        fi
    ) 8>"$record.lock"
    export DISPLAY=":$(cut -d' ' -f1 "$record")"
elif [ -z "${DISPLAY:-}" ]; then
    read -r number own_display < <("$here/virtual-display.sh")
    export DISPLAY=":$number"
fi
# Out of a session, this run's Wine server ends with it (given a few seconds to write the
# prefix's registry), and so does its own display.
end_run() {
    if [ -z "$session" ]; then
        timeout 10 wineserver --wait 2>/dev/null || wineserver -k 2>/dev/null || true
    fi
    [ -z "$own_display" ] || kill "$own_display" 2>/dev/null || true
}
trap end_run EXIT

# The prefix is made once; concurrent test runs wait for whoever makes it.
(
    flock 9
    if ! [ -f "$prefix/.tallymere-ready" ]; then
        wineboot --init >/dev/null 2>&1 9>&- || true
        "$here/wine-fonts.sh" 9>&-
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >/dev/null 2>&1 9>&-
        if $virtual_desktop; then
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
                >/dev/null 2>&1 9>&-
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f \
                >/dev/null 2>&1 9>&-
        fi
        wineserver --wait 9>&- || true
        touch "$prefix/.tallymere-ready"
    fi
) 9> "$prefix.lock"

$prepare && exit 0
wine "$@"
