#!/usr/bin/env bash
# Builds both sides and runs every test: the portable parts natively, again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzz target, and the
# Windows program and its tests under Wine. Installs what it needs first.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh

cmake --preset windows >/dev/null
cmake --build --preset windows --parallel 2
cmake --preset native >/dev/null
cmake --build --preset native --parallel 2
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --parallel 2
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel 2

ctest --preset all -j "$(nproc)" "$@"
