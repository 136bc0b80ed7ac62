#!/usr/bin/env bash
# Starts an Xvfb server on a display number that is free now (Xvfb picks it, so stale lock
# files of earlier servers do not matter) and prints that number and the server's process id
# once it answers.
# Usage: virtual-display.sh [WIDTHxHEIGHTxDEPTH]
set -euo pipefail
screen=${1:-1280x1024x24}
number_file=$(mktemp)
trap 'rm -f "$number_file"' EXIT

setsid Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp \
    3>"$number_file" >/dev/null 2>&1 </dev/null &
server=$!
for _ in $(seq 1 100); do
    number=$(head -n 1 "$number_file" 2>/dev/null || true)
    if [ -n "$number" ] && DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
        echo "$number $server"
        exit 0
    fi
    sleep 0.1
done
echo "virtual-display.sh: Xvfb did not start" >&2
exit 1
