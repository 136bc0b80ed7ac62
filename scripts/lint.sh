#!/usr/bin/env bash
# Checks the sources against the repository's .clang-format and .clang-tidy.
# Usage: lint.sh format              every C++ file is formatted as clang-format would
#        lint.sh tidy BUILD_DIR      clang-tidy over the files that BUILD_DIR checks (see
#                                    scripts/tidy-compile.sh and cmake/ClangTidy.cmake)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

sources() {
    git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null ||
        find app kd history chart gamelog platform tests -name '*.cpp' -o -name '*.h'
}

case "${1:-}" in
format)
    sources | xargs clang-format --dry-run -Werror
    ;;
tidy)
    build=$(cd "${2:?lint.sh tidy BUILD_DIR}" && pwd)
    settings=$build/tidy-settings.txt
    launcher=$root/scripts/tidy-compile.sh
    if ! [ -f "$settings" ] || ! [ -f "$build/compile_commands.json" ]; then
        echo "lint.sh: $build is not configured (no tidy-settings.txt or compile_commands.json)" >&2
        exit 1
    fi
    # A build configured with TALLYMERE_CLANG_TIDY=ON has checked each source as it compiled it
    # and kept the outcome in OBJECT.tidy (scripts/tidy-compile.sh). A record counts while it is
    # newer than its object, its source, the project's files that source includes (the
    # compiler's depfile OBJECT.d), the .clang-tidy files, clang-tidy, the launcher and the
    # settings; any other source is checked here and now.
    tidy_program=$(sed -n 's/^tidy=//p' "$settings")
    reasons=("$settings" "$launcher")
    while read -r config; do reasons+=("$root/$config"); done < <(
        git ls-files -- .clang-tidy '*/.clang-tidy' 2>/dev/null || echo .clang-tidy)
    program=$(command -v "$tidy_program" || true)
    [ -n "$program" ] && reasons+=("$(readlink -f "$program")")
    fresh() {
        local object=$1 source=$2 record=$1.tidy dependencies=()
        [ -f "$record" ] && [ -f "$object" ] && [ "$record" -nt "$object" ] || return 1
        if [ -f "$object.d" ]; then
            mapfile -t dependencies < <(sed 's/\\$//' "$object.d" | tr -s ' \t' '\n' |
                grep -v ':$' | grep -F "$root/" || true)
        fi
        [ -z "$(find "$source" "${dependencies[@]+"${dependencies[@]}"}" "${reasons[@]}" \
            -maxdepth 0 -newer "$record" 2>/dev/null | head -n 1)" ]
    }

    objects=() sources=() stale=0 jobs=0
    while IFS=$'\t' read -r object source directory command; do
        objects+=("$object")
        sources+=("$source")
        fresh "$object" "$source" && continue
        stale=$((stale + 1))
        # The command as compile_commands.json holds it: JSON-escaped, then as the shell reads it.
        command=${command//\\\"/\"}
        command=${command//\\\\/\\}
        (
            cd "$directory"
            eval "set -- $command"
            "$launcher" --check "$settings" "$@"
        ) &
        jobs=$((jobs + 1))
        if [ "$jobs" -ge "$(nproc)" ]; then
            wait -n || true
            jobs=$((jobs - 1))
        fi
    done < <("$launcher" --list "$settings")
    wait || true

    if [ ${#objects[@]} -eq 0 ]; then
        echo "lint.sh: $build compiles no source of this project to check" >&2
        exit 1
    fi
    failed=0
    for i in "${!objects[@]}"; do
        record=${objects[i]}.tidy
        if ! [ -f "$record" ]; then
            echo "${sources[i]}: not checked (no $record)"
            failed=$((failed + 1))
        elif [ "$(head -n 1 "$record")" != clean ]; then
            tail -n +2 "$record"
            failed=$((failed + 1))
        fi
    done
    echo "clang-tidy: ${#objects[@]} sources of $build, $((${#objects[@]} - stale)) checked by" \
        "the build, $stale checked now; $failed with findings"
    [ "$failed" -eq 0 ]
    ;;
*)
    echo "usage: lint.sh format | tidy BUILD_DIR" >&2
    exit 2
    ;;
esac
