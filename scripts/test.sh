#!/usr/bin/env bash
# Builds both sides and runs every test: the portable parts natively, again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzz target, and the
# Windows program and its tests under Wine. Installs what it needs first.
# clang-tidy checks each source in the build that compiles it (cmake/ClangTidy.cmake), and the
# four builds share the machine's cores; then ctest runs the tests side by side.
# Usage: test.sh [CTEST_ARGUMENTS...]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh

# The native build first: the Windows build leaves to it the sources both compile.
cmake --preset native -DTALLYMERE_CLANG_TIDY=ON >/dev/null
cmake --preset windows -DTALLYMERE_CLANG_TIDY=ON >/dev/null
cmake --preset sanitize >/dev/null
cmake --preset fuzz >/dev/null
scripts/build-presets.sh windows native sanitize fuzz

ctest --preset all -j "$(nproc)" "$@"
