#!/usr/bin/env bash
# Builds the given configured presets side by side, sharing one pool of jobs (make's
# jobserver): one more than the machine has cores, so that a core left free while one build
# links or waits is taken by another job.
# Usage: build-presets.sh PRESET...   (each configured first: cmake --preset PRESET)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

jobs=${TALLYMERE_JOBS:-$(($(nproc) + 1))}
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
