#!/usr/bin/env bash
# Renders the running program to a PNG: tallymere.exe under Wine on a virtual display of its
# own, inside a Wine desktop so that Wine draws the caption and the menu itself. The picture is
# taken once the program's own window is painted (its blue row labels and its yellow axis labels
# are in the picture) in two captures in a row. No such window within 90 seconds is a failure. The display and the Wine server end with the script, however it ends.
# Usage: screenshot.sh [--locale LOCALE] [--dpi N] OUTPUT.png [WORKING_FOLDER]
#   LOCALE          the system's locale (default ja_JP.UTF-8, ANSI code page 932; C.UTF-8 gives
#                   1252, as on an English Windows)
#   N               the screen's dots per inch (default 96; 144 is a screen scaled to 150 %)
#   WORKING_FOLDER  where the program runs, and so which kddata.ioy it loads (default: a new
#                   empty folder; docs/sample holds the history the README's picture shows)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
locale=ja_JP.UTF-8
dpi=96
while [ $# -gt 0 ]; do
    case "$1" in
    --locale) locale=$2; shift 2 ;;
    --dpi) dpi=$2; shift 2 ;;
    *) break ;;
    esac
done
# Room for the window at every scaling up to 200 %; the picture is cut to the window itself.
desktop=1200x800
output=$(realpath -m "$1")
folder=${2:-$(mktemp -d)}
program=$root/build/windows/bin/tallymere.exe
prefix=$root/build/wine-prefix-screenshot-$locale-$dpi
[ -f "$program" ] || { echo "screenshot.sh: build $program first" >&2; exit 1; }

read -r display xvfb < <("$root/scripts/virtual-display.sh" "${desktop}x24")
captures=$(mktemp -d)
wine=""
cleanup() {
    [ -z "$wine" ] || kill "$wine" 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$captures"
}
trap cleanup EXIT

(cd "$folder" && DISPLAY=":$display" "$root/scripts/wine-run.sh" --prefix "$prefix" \
    --locale "$locale" --dpi "$dpi" explorer /desktop=Tallymere,$desktop \
    "$(winepath -w "$program" 2>/dev/null || echo "$program")") &
wine=$!

# The window stands at the desktop's top left, and the picture is cut to it: to what is not the
# desktop's own colour, which its bottom right corner shows.
capture() {
    DISPLAY=":$display" import -window root "$1.whole.png" 2>/dev/null || return 1
    local desktop_colour
    desktop_colour=$(convert "$1.whole.png" -format '%[pixel:p{1199,799}]' info:) || return 1
    convert "$1.whole.png" -bordercolor "$desktop_colour" -border 1 -trim +repage "$1" 2>/dev/null
}
painted() {
    local pixels
    pixels=$(convert "$1" txt:- 2>/dev/null) || return 1
    grep -q '#0064FF' <<<"$pixels" && grep -q '#FFFF00' <<<"$pixels"
}
seen=0
for attempt in $(seq 1 180); do
    shot=$captures/$attempt.png
    sleep 0.5
    if capture "$shot" && painted "$shot"; then
        seen=$((seen + 1))
    else
        seen=0
    fi
    if [ "$seen" -eq 2 ]; then
        cp "$shot" "$output"
        echo "$output"
        exit 0
    fi
done
echo "screenshot.sh: the program's window was not painted within 90 seconds" >&2
exit 1
