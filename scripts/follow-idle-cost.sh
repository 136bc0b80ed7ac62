#!/usr/bin/env bash
# The processor time tallymere.exe takes under Wine while it follows a game's log that nothing
# writes, read from Linux (Wine reports no times for another process): after it has settled,
# for a minute, beside the same program that follows nothing.
# Usage: follow-idle-cost.sh [SECONDS]   (60 unless told)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/folder" "$work/game"
printf '\tNick: Player01\r\n\tKill: 10\r\n\tDeath: 5\r\n' >"$work/game/error.log"

# The processor time, in seconds, of the program started with these arguments.
cost() {
    (cd "$work/folder" && "$root/scripts/wine-run.sh" --prefix "$work/prefix" \
        "$root/build/windows/bin/tallymere.exe" "$@" >/dev/null 2>&1) &
    local process="" ticks
    while [ -z "$process" ]; do
        sleep 1
        process=$(pgrep -x tallymere.exe | while read -r candidate; do
            tr '\0' '\n' <"/proc/$candidate/environ" | grep -qxF "WINEPREFIX=$work/prefix" &&
                echo "$candidate"; done | head -n 1) || true
    done
    sleep 10
    ticks() { awk '{ print $14 + $15 }' "/proc/$process/stat"; }
    ticks=$(ticks)
    sleep "$seconds"
    echo "$(( $(ticks) - ticks ))" | awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", $1 / hz }'
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    wait
}

following=$(cost "Z:${work//\//\\}\\game\\error.log")
idle=$(cost)
echo "in $seconds s: following a log nothing writes $following s of processor time," \
    "following nothing $idle s (target: under 0.1 s in 60 s)"
