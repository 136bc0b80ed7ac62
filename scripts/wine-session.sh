#!/usr/bin/env bash
# A session of Wine runs that ends with nothing of its own left running: while
# TALLYMERE_WINE_SESSION names the session's folder, scripts/wine-run.sh starts each prefix's
# virtual display once for the session and writes down the display and the prefix there; stop
# ends them. The test command opens and closes one around its Wine tests (CTest's
# FIXTURES_SETUP and FIXTURES_CLEANUP).
# Usage: wine-session.sh start DIR   a new session
#        wine-session.sh stop DIR    ends the session's Wine servers and displays, then fails if
#                                    any of those processes still runs
set -euo pipefail
mode=${1:?usage: wine-session.sh start|stop DIR}
session=${2:?usage: wine-session.sh start|stop DIR}

# The Wine servers of a prefix: those started with it in their environment.
wine_servers_of() {
    local process
    for process in /proc/[0-9]*; do
        case "$(cat "$process/comm" 2>/dev/null)" in wineserver | wineserver64) ;; *) continue ;; esac
        tr '\0' '\n' <"$process/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$1" &&
            echo "${process#/proc/}"
    done
}

# Alive, not a zombie waiting to be reaped.
running() { ps -o stat= -p "$1" 2>/dev/null | grep -qv '^Z'; }

case "$mode" in
start)
    rm -rf "$session"
    mkdir -p "$session"
    ;;
stop)
    [ -d "$session" ] || exit 0
    touch "$session/prefixes"
    started=()
    while read -r prefix; do
        started+=($(wine_servers_of "$prefix"))
        WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    done < <(sort -u "$session/prefixes")
    for record in "$session"/*.display; do
        [ -f "$record" ] || continue
        started+=("$(cut -d' ' -f2 "$record")")
        kill "${started[-1]}" 2>/dev/null || true
    done
    rm -rf "$session"
    left=()
    for _ in $(seq 1 50); do
        left=()
        for process in "${started[@]}"; do
            running "$process" && left+=("$process")
        done
        [ ${#left[@]} -eq 0 ] && break
        sleep 0.2
    done
    if [ ${#left[@]} -gt 0 ]; then
        echo "wine-session.sh: the session's processes still run: ${left[*]}" >&2
        exit 1
    fi
    echo "the session left nothing running: ${#started[@]} processes ended"
    ;;
*)
    echo "usage: wine-session.sh start|stop DIR" >&2
    exit 2
    ;;
esac
