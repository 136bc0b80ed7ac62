#!/usr/bin/env bash
# Builds the given configured presets side by side, sharing one pool of as many jobs as the
# machine has cores (make's jobserver): while one build waits on a link or a long compile, the
# others use the free core.
# Usage: build-presets.sh PRESET...   (each configured first: cmake --preset PRESET)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

jobs=${TALLYMERE_JOBS:-$(nproc)}
makefile=$(mktemp)
trap 'rm -f "$makefile"' EXIT
{
    echo ".PHONY: all $*"
    echo "all: $*"
    for preset in "$@"; do
        # "+": the build's own make joins this make's pool of jobs.
        printf '%s:\n\t+@cmake --build --preset %s\n' "$preset" "$preset"
    done
} >"$makefile"
make --no-print-directory -j "$jobs" -f "$makefile"
