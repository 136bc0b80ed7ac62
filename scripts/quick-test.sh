#!/usr/bin/env bash
# The everyday check after a change: rebuilds what changed in the native and Windows builds,
# clang-tidy checking each of the program's sources they recompile, and runs the unit and
# window tests natively and under Wine. scripts/test.sh runs every test.
# Usage: quick-test.sh [CTEST_ARGUMENTS...]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh

# Configured as scripts/test.sh configures them (the native build first), when not already.
for preset in native windows; do
    if ! grep -qsx 'TALLYMERE_CLANG_TIDY:BOOL=ON' "build/$preset/CMakeCache.txt"; then
        cmake --preset "$preset" -DTALLYMERE_CLANG_TIDY=ON >/dev/null
    fi
done
scripts/build-presets.sh native windows

ctest --preset all -j "$(($(nproc) + 2))" -L '^(unit|window)$' "$@"
