#!/usr/bin/env bash
# Checks the sources against the repository's .clang-format and .clang-tidy.
# Usage: lint.sh format              every C++ file is formatted as clang-format would
#        lint.sh tidy BUILD_DIR      clang-tidy over the files that BUILD_DIR compiles
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

sources() {
    git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null ||
        find app commands drawing kd history chart gamelog platform tests -name '*.cpp' -o -name '*.h'
}

case "${1:-}" in
format)
    sources | xargs clang-format --dry-run -Werror
    ;;
tidy)
    build=${2:?lint.sh tidy BUILD_DIR}
    # clang knows no code page 932; the execution character set has no bearing on the checks.
    database=$(mktemp -d)
    trap 'rm -rf "$database"' EXIT
    sed 's/ -fexec-charset=CP932//' "$build/compile_commands.json" > "$database/compile_commands.json"
    extra=()
    files="^$root/(app|commands|drawing|kd|history|chart|gamelog|platform|tests)/"
    if grep -q 'mingw32' "$database/compile_commands.json"; then
        # The Windows build: clang takes the mingw-w64 target and g++'s own header folders, and
        # checks only what the native build does not compile.
        extra=(-extra-arg=--target=x86_64-w64-mingw32)
        while read -r folder; do
            extra+=("-extra-arg=-isystem$folder")
        done < <(echo | x86_64-w64-mingw32-g++-posix -E -x c++ - -v 2>&1 |
            sed -n '/#include <...> search starts here/,/End of search list/p' |
            grep -E '^ /.*(c\+\+|mingw32/include)')
        files="^$root/(app/|platform/win32_|tests/window/)"
    fi
    report=$(run-clang-tidy -quiet -j "$(nproc)" -p "$database" "${extra[@]}" "$files" 2>&1 |
        sed 's/\x1b\[[0-9;]*m//g' || true)
    # run-clang-tidy's exit status differs between versions: judge by what it found.
    if grep -qE '(warning|error):' <<< "$report"; then
        grep -vE '^[0-9]+ warnings? generated|^Suppressed|^Use -header-filter' <<< "$report"
        exit 1
    fi
    ;;
*)
    echo "usage: lint.sh format | tidy BUILD_DIR" >&2
    exit 2
    ;;
esac
