#!/usr/bin/env bash
# A session of Wine runs that ends with nothing left running: while TALLYMERE_WINE_SESSION names
# the session's folder, scripts/wine-run.sh starts each prefix's virtual display once for the
# session and writes down the display and the prefix there; stop ends them all. The test command
# opens and closes one around its Wine tests (CTest's FIXTURES_SETUP and FIXTURES_CLEANUP).
# Usage: wine-session.sh start DIR   a new session; counts the X servers and Wine servers running
#        wine-session.sh stop DIR    ends the session's Wine servers and displays, then fails if
#                                    more of either run than when the session started
set -euo pipefail
mode=${1:?usage: wine-session.sh start|stop DIR}
session=${2:?usage: wine-session.sh start|stop DIR}

# The X servers and Wine servers alive (not zombies waiting to be reaped), as "X WINE".
count_servers() {
    ps -eo stat=,comm= | awk '$1 !~ /^Z/ && $2 == "Xvfb" { x++ }
        $1 !~ /^Z/ && $2 ~ /^wineserver(64)?$/ { w++ } END { print x + 0, w + 0 }'
}

case "$mode" in
start)
    rm -rf "$session"
    mkdir -p "$session"
    count_servers >"$session/before"
    ;;
stop)
    [ -d "$session" ] || exit 0
    touch "$session/prefixes"
    sort -u "$session/prefixes" | while read -r prefix; do
        WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    done
    for record in "$session"/*.display; do
        [ -f "$record" ] && kill "$(cut -d' ' -f2 "$record")" 2>/dev/null || true
    done
    before=$(cat "$session/before")
    rm -rf "$session"
    fewer_or_as_many() { awk -v now="$1" -v then="$before" \
        'BEGIN { split(now, n, " "); split(then, t, " "); exit !(n[1] <= t[1] && n[2] <= t[2]) }'; }
    for _ in $(seq 1 50); do
        fewer_or_as_many "$(count_servers)" && break
        sleep 0.2
    done
    now=$(count_servers)
    if ! fewer_or_as_many "$now"; then
        echo "wine-session.sh: X and Wine servers running: $now, before the session: $before" >&2
        exit 1
    fi
    echo "the session left nothing running: X and Wine servers $now, before it $before"
    ;;
*)
    echo "usage: wine-session.sh start|stop DIR" >&2
    exit 2
    ;;
esac
