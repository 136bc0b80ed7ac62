#!/usr/bin/env bash
# Builds tallymere.exe and starts it under Wine, in the current folder (where it keeps
# kddata.ioy). Without a display it proves the start on a virtual one and saves a screenshot.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$here/..

"$here/install-deps.sh" --run
(cd "$root" && cmake --preset windows >/dev/null && cmake --build --preset windows --target tallymere)

if [ -n "${DISPLAY:-}" ]; then
    exec "$here/wine-run.sh" "$root/build/windows/bin/tallymere.exe"
fi
echo "No display: starting Tallymere on a virtual display instead."
if ! "$here/screenshot.sh" "$root/build/tallymere.png" "$PWD"; then
    echo "It did not draw its window." >&2
    exit 1
fi
echo "It started and drew its window: see build/tallymere.png"
