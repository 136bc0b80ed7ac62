#!/usr/bin/env bash
# Builds both sides and runs every test: the portable parts natively, again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzz target, and the
# Windows program and its tests under Wine. Installs what it needs first. clang-tidy checks the
# program's sources in the native and Windows builds (cmake/ClangTidy.cmake); the four builds
# share the machine's cores, then ctest runs the tests side by side.
# Usage: test.sh [CTEST_ARGUMENTS...]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh

# The native build first: the Windows build leaves to it the sources both compile. The others
# are configured side by side.
cmake --preset native -DTALLYMERE_CLANG_TIDY=ON >/dev/null
configuring=()
cmake --preset windows -DTALLYMERE_CLANG_TIDY=ON >/dev/null & configuring+=($!)
cmake --preset sanitize >/dev/null & configuring+=($!)
cmake --preset fuzz >/dev/null & configuring+=($!)
for job in "${configuring[@]}"; do wait "$job"; done

# Wine's prefixes for the Windows tests (Japanese, Western, at 150 %) are made while the builds
# run; the tests would make them otherwise, first thing. Whatever Wine runs is ended on the way
# out, also when the tests are interrupted.
prefixes=build/windows/wine-prefix
{
    scripts/wine-run.sh --prefix "$PWD/$prefixes" --virtual-desktop --prepare &&
        scripts/wine-run.sh --prefix "$PWD/$prefixes-cp1252" --locale C.UTF-8 \
            --virtual-desktop --prepare &&
        scripts/wine-run.sh --prefix "$PWD/$prefixes-dpi144" --dpi 144 --virtual-desktop --prepare
} >build/windows/wine-prepare.log 2>&1 &
prepare=$!
trap 'wait "$prepare" 2>/dev/null || true; scripts/wine-session.sh stop build/windows/wine-session' EXIT
scripts/build-presets.sh windows native sanitize fuzz
wait "$prepare" || echo "Wine's prefixes are not ready (build/windows/wine-prepare.log); the tests try again"

# Each test that keeps a core busy takes one of the machine's cores (its RESOURCE_GROUPS); the
# Wine window tests, which mostly wait on the display, run beside them.
cores=$(nproc)
{
    printf '{"version": {"major": 1, "minor": 0}, "local": [{"cores": ['
    for ((core = 0; core < cores; core++)); do
        printf '%s{"id": "%d", "slots": 1}' "$([ "$core" -eq 0 ] || echo ', ')" "$core"
    done
    printf ']}]}\n'
} >build/test-cores.json
ctest --preset all -j "$((cores + 2))" --resource-spec-file "$PWD/build/test-cores.json" "$@"
