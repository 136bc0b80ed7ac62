#!/usr/bin/env bash
# Renders the running program to a PNG: tallymere.exe under Wine on a virtual display, inside a
# Wine desktop so that Wine draws the caption and the menu itself.
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
scaled() { echo $((($1 * dpi + 48) / 96)); }
desktop=$(scaled 560)x$(scaled 380)
output=$(realpath -m "$1")
folder=${2:-$(mktemp -d)}
program=$root/build/windows/bin/tallymere.exe
prefix=$root/build/wine-prefix-screenshot-$locale-$dpi
[ -f "$program" ] || { echo "screenshot.sh: build $program first" >&2; exit 1; }

read -r display xvfb < <("$root/scripts/virtual-display.sh" "${desktop}x24")
cleanup() {
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

cd "$folder"
DISPLAY=":$display" "$root/scripts/wine-run.sh" --prefix "$prefix" --locale "$locale" --dpi "$dpi" \
    explorer /desktop=Tallymere,$desktop "$(winepath -w "$program" 2>/dev/null || echo "$program")" &
# Wait for the window to be painted, then capture it: it stands at the desktop's top left.
for _ in $(seq 1 100); do
    DISPLAY=":$display" xwininfo -root -tree 2>/dev/null | grep -q 'Tallymere' && break
    sleep 0.2
done
sleep 3
DISPLAY=":$display" import -window root -crop "$(scaled 505)x$(scaled 332)+0+0" +repage "$output"
echo "$output"
