#!/usr/bin/env bash
# Checks the sources against the repository's .clang-format and .clang-tidy.
# Usage: lint.sh format              every C++ file is formatted as clang-format would
#        lint.sh tidy BUILD_DIR      clang-tidy over the files that BUILD_DIR checks (see
#                                    scripts/tidy-compile.sh and cmake/ClangTidy.cmake)
#        lint.sh tidy-self-test      the tidy check of test files, seen to pass on two clean
#                                    test files that name their helpers alike, and to fail on a
#                                    finding of each of its two parts planted in one of them
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
    # settings; any other source is checked here and now. So are the test files of each target
    # together, for the checks that tidy-compile.sh leaves to their group: the record
    # BUILD_DIR/tidy-groups/GROUP.tidy counts while it is newer than all of the group's files.
    tidy_program=$(sed -n 's/^tidy=//p' "$settings")
    reasons=("$settings" "$launcher")
    while read -r config; do reasons+=("$root/$config"); done < <(
        git ls-files -- .clang-tidy '*/.clang-tidy' 2>/dev/null || echo .clang-tidy)
    program=$(command -v "$tidy_program" || true)
    [ -n "$program" ] && reasons+=("$(readlink -f "$program")")
    fresh() {
        local object=$1 source=$2 record=${3:-$1.tidy} dependencies=()
        [ -f "$record" ] && [ -f "$object" ] && [ "$record" -nt "$object" ] || return 1
        if [ -f "$object.d" ]; then
            mapfile -t dependencies < <(sed 's/\\$//' "$object.d" | tr -s ' \t' '\n' |
                grep -v ':$' | grep -F "$root/" || true)
        fi
        [ -z "$(find "$source" "${dependencies[@]+"${dependencies[@]}"}" "${reasons[@]}" \
            -maxdepth 0 -newer "$record" 2>/dev/null | head -n 1)" ]
    }

    # Runs the launcher in MODE in the background, one job for each core. COMMAND is as
    # compile_commands.json holds it (JSON-escaped); SOURCE and OBJECT, when given, replace the
    # words after -c and -o.
    jobs=0
    run_launcher() {
        local mode=$1 directory=$2 command=$3 source=${4:-} object=${5:-}
        command=${command//\\\"/\"}
        command=${command//\\\\/\\}
        (
            cd "$directory"
            eval "set -- $command"
            local arguments=() previous="" argument
            for argument in "$@"; do
                case "$previous" in
                -c) argument=${source:-$argument} ;;
                -o) argument=${object:-$argument} ;;
                esac
                arguments+=("$argument")
                previous=$argument
            done
            "$launcher" "$mode" "$settings" "${arguments[@]}"
        ) &
        jobs=$((jobs + 1))
        if [ "$jobs" -ge "$(nproc)" ]; then
            wait -n || true
            jobs=$((jobs - 1))
        fi
    }

    # The translation unit of a group (MEMBERS: "OBJECT<tab>SOURCE" lines): every member's
    # includes first, then each member in a namespace of its own, so that the names the members
    # give their helpers do not meet.
    group_unit() {
        local member_sources number=0 source
        mapfile -t member_sources < <(cut -f2 <<<"$1" | grep .)
        echo "// One target's test files together, for clang-tidy (scripts/lint.sh)."
        grep -h '^#include' "${member_sources[@]}" | awk '!seen[$0]++'
        for source in "${member_sources[@]}"; do
            number=$((number + 1))
            printf 'namespace tidy_group_member_%d {\n' "$number"
            printf '#include "%s"  // NOLINT(bugprone-suspicious-include)\n}\n' "$source"
        done
    }

    # A group's record counts while it is newer than its translation unit and each member's files.
    group_fresh() {
        local record=$1 unit=$2 object source
        [ -f "$record" ] && [ "$record" -nt "$unit" ] || return 1
        while IFS=$'\t' read -r object source; do
            [ -z "$object" ] || fresh "$object" "$source" "$record" || return 1
        done <<<"$3"
    }

    objects=() records=() stale=0
    declare -A group_command members
    groups=$build/tidy-groups
    mkdir -p "$groups"
    while IFS=$'\t' read -r object source directory command grouped; do
        objects+=("$object")
        records+=("$object.tidy")
        if [ "$grouped" = grouped ]; then
            # One target's test files, compiled alike: the target's folder and the command
            # without its source and object.
            group=$(sed -E 's/ -o [^ ]+| -c [^ ]+//g' <<<"${object%%.dir/*} $directory $command" |
                md5sum | cut -c1-12)
            group_command[$group]=$directory$'\t'$command
            members[$group]+=$object$'\t'$source$'\n'
        fi
        fresh "$object" "$source" && continue
        stale=$((stale + 1))
        run_launcher --check "$directory" "$command"
    done < <("$launcher" --list "$settings")

    for group in "${!group_command[@]}"; do
        unit=$groups/$group.cpp
        records+=("$groups/$group.tidy")
        group_unit "${members[$group]}" >"$unit.new"
        if cmp -s "$unit.new" "$unit"; then
            rm -f "$unit.new"
        else
            mv -f "$unit.new" "$unit"
        fi
        group_fresh "$groups/$group.tidy" "$unit" "${members[$group]}" && continue
        stale=$((stale + 1))
        run_launcher --check-group "${group_command[$group]%%$'\t'*}" \
            "${group_command[$group]#*$'\t'}" "$unit" "$groups/$group"
    done
    wait || true

    if [ ${#objects[@]} -eq 0 ]; then
        echo "lint.sh: $build compiles no source of this project to check" >&2
        exit 1
    fi
    failed=0
    for record in "${records[@]}"; do
        if ! [ -f "$record" ]; then
            echo "not checked: no $record"
            failed=$((failed + 1))
        elif [ "$(head -n 1 "$record")" != clean ]; then
            tail -n +2 "$record"
            failed=$((failed + 1))
        fi
    done
    echo "clang-tidy: ${#objects[@]} sources of $build and ${#group_command[@]} groups of test" \
        "files; $((${#records[@]} - stale)) records kept, $stale checked now; $failed with findings"
    [ "$failed" -eq 0 ]
    ;;
tidy-self-test)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/source/tests" "$work/build"
    cp "$root/.clang-tidy" "$work/source/"
    test_file() {
        printf '#include <string>\n\nnamespace {\n\n%b\nconstexpr int kLength = 1;\n\n' "$2"
        printf 'std::string Helper() {\n    return std::to_string(kLength);\n}\n\n'
        printf '}  // namespace\n\nstd::string From%s() {\n    return Helper();\n}\n' "$1"
    }
    {
        echo "["
        for name in A B; do
            object=CMakeFiles/tests.dir/$name.cpp.o
            echo "{"
            echo "  \"directory\": \"$work/build\","
            echo "  \"command\": \"g++ -std=c++20 -o $object -c $work/source/tests/${name}_test.cpp\","
            echo "  \"file\": \"$work/source/tests/${name}_test.cpp\""
            echo "},"
        done
        echo "]"
    } >"$work/build/compile_commands.json"
    printf 'source=%s\nbuild=%s\n' "$work/source" "$work/build" >"$work/build/tidy-settings.txt"
    test_file A "" >"$work/source/tests/A_test.cpp"
    # Expects lint.sh tidy to pass (no FINDING), or to fail naming FINDING in B_test.cpp.
    expect() {
        local planted=$1 finding=$2 output status=0
        test_file B "$planted" >"$work/source/tests/B_test.cpp"
        output=$("$0" tidy "$work/build" 2>&1) || status=$?
        if [ -z "$finding" ] && [ $status -ne 0 ]; then
            printf 'tidy-self-test: clean test files were not passed:\n%s\n' "$output" >&2
            exit 1
        elif [ -n "$finding" ] && { [ $status -eq 0 ] || ! grep -q "B_test.cpp:.*$finding" <<<"$output"; }; then
            printf 'tidy-self-test: %s was not found:\n%s\n' "$finding" "$output" >&2
            exit 1
        fi
    }
    expect "" ""
    expect "int* Planted() {\n    return NULL;\n}\n" modernize-use-nullptr
    expect "using std::swap;\n" misc-unused-using-decls
    echo "tidy-self-test: the grouped and the per-file checks both report"
    ;;
*)
    echo "usage: lint.sh format | tidy BUILD_DIR | tidy-self-test" >&2
    exit 2
    ;;
esac
