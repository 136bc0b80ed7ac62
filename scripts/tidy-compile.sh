#!/usr/bin/env bash
# The compiler launcher of a build configured with TALLYMERE_CLANG_TIDY=ON (cmake/ClangTidy.cmake):
# compiles one source as the build asks, then, when this build is the one to check that source,
# checks it with clang-tidy and keeps the outcome beside the object file, in OBJECT.tidy: "clean",
# or "findings" and what clang-tidy said (which is also printed). The build goes on either way;
# the lint test (scripts/lint.sh tidy) reads the records and fails on findings.
#
# The test files (tests/.../*_test.cpp: GoogleTest's tests, and their helpers in an anonymous
# namespace) are checked in two parts. Most checks walk every declaration that a source sees, and
# for a test file that is GoogleTest and much of the standard library, the same in each: the
# lint test runs those checks over the test files of one target together, in one translation
# unit that includes them all (--check-group), and keeps the outcome in GROUP.tidy. Here, each
# test file gets the checks that look at the file itself alone: the static analyzer, and the
# checks that pass over what is not in the file clang-tidy was given (per_file_checks below).
#
# Usage: tidy-compile.sh SETTINGS COMPILER ARGUMENTS...           as the build's launcher
#        tidy-compile.sh --check SETTINGS COMPILER ARGUMENTS...   only the check, no compile
#        tidy-compile.sh --check-group SETTINGS COMPILER ARGUMENTS...
#                                    the other checks, of a source that includes a group of
#                                    test files; the record is OBJECT.tidy
#        tidy-compile.sh --list SETTINGS                          the sources this build checks
#   SETTINGS  BUILD_DIR/tidy-settings.txt, written by cmake/ClangTidy.cmake
#
# --list prints, tab-separated, one line per source this build checks: the object file that
# carries its record, the source, the folder its compile runs in, the compile command, and
# "grouped" for a test file or "alone". A
# source is checked by the first entry of BUILD_DIR/compile_commands.json that compiles it,
# outside the targets left out (skip=), and not at all when the build named by defer= (the
# native one, for the Windows build) compiles it too. Sources outside the source tree
# (GoogleTest's) are not checked.
set -euo pipefail

mode=launch
test_files='/tests/.*_test\.cpp$'
per_file_checks='clang-analyzer-*,misc-unused-alias-decls,misc-unused-using-decls'
case "${1:-}" in
--check) mode=check; shift ;;
--check-group) mode=group; shift ;;
--list) mode=list; shift ;;
esac
settings=${1:?usage: tidy-compile.sh [--check | --list] SETTINGS [COMPILER ARGUMENTS...]}
shift

# The settings: key=value lines. arg= goes to clang-tidy for every source, testarg= also for the
# sources under tests/.
source_dir="" build_dir="" tidy=clang-tidy defer="" skips=() extra=() test_extra=()
while IFS= read -r line; do
    case "$line" in
    source=*) source_dir=${line#source=} ;;
    build=*) build_dir=${line#build=} ;;
    tidy=*) tidy=${line#tidy=} ;;
    defer=*) defer=${line#defer=} ;;
    skip=*) skips+=("${line#skip=}") ;;
    arg=*) extra+=("${line#arg=}") ;;
    testarg=*) test_extra+=("${line#testarg=}") ;;
    esac
done <"$settings"

# compile_commands.json as CMake writes it: one "directory", "command" and "file" line per entry,
# in that order. The command is kept as written there (JSON-escaped): --check takes it back.
list_checked() {
    local deferred=/dev/null
    if [ -n "$defer" ] && [ -f "$defer/compile_commands.json" ]; then
        deferred=$defer/compile_commands.json
    fi
    awk -v source_dir="$source_dir/" -v build_dir="$build_dir/" -v deferred="$deferred" \
        -v test_files="$test_files" \
        -v skips="$(printf '%s\n' "${skips[@]+"${skips[@]}"}")" '
        function value(line) {
            sub(/^ *"[a-z]+": "/, "", line)
            sub(/",?$/, "", line)
            return line
        }
        BEGIN { count = split(skips, skip, "\n") }
        FILENAME == deferred && /^  "file": / { elsewhere[value($0)] = 1 }
        FILENAME == deferred { next }
        /^  "directory": / { directory = value($0) }
        /^  "command": / { command = value($0) }
        /^  "file": / {
            file = value($0)
            if (index(file, source_dir) != 1 || index(file, build_dir) == 1) next
            if (file in elsewhere || file in taken) next
            object = ""
            words = split(command, word, " ")
            for (i = 1; i < words; i++) if (word[i] == "-o") object = word[i + 1]
            if (object == "") next
            if (substr(object, 1, 1) != "/") object = directory "/" object
            for (i = 1; i <= count; i++) if (skip[i] != "" && index(object, skip[i]) == 1) next
            taken[file] = 1
            print object "\t" file "\t" directory "\t" command "\t" \
                (file ~ test_files ? "grouped" : "alone")
        }' "$deferred" "$build_dir/compile_commands.json"
}

# Checks the source of a compile command (run from the folder the build runs it in) and writes
# the record beside its object.
check() {
    local source="" object="" arguments=() argument previous=""
    for argument in "$@"; do
        case "$previous" in
        -c) source=$argument ;;
        -o) object=$argument ;;
        esac
        previous=$argument
        # clang knows no code page 932; the execution character set has no bearing on the checks.
        # The Windows build hands the compiler its include folders in a response file, which
        # clang-tidy does not read from a command given after "--": it gets them spelled out.
        case "$argument" in
        -fexec-charset=*) ;;
        @*)
            if [ -f "${argument#@}" ]; then
                mapfile -t -O "${#arguments[@]}" arguments < <(xargs printf '%s\n' <"${argument#@}")
            else
                arguments+=("$argument")
            fi
            ;;
        *) arguments+=("$argument") ;;
        esac
    done
    [ -n "$source" ] && [ -n "$object" ] || { echo "tidy-compile.sh: no -c or -o in: $*" >&2; return 1; }
    local record=$object.tidy status=0 output options=("${extra[@]+"${extra[@]}"}")
    if [ "$mode" = group ]; then
        # The configuration of the test files, which a unit outside the source tree would miss.
        local config=$source_dir/tests
        while ! [ -f "$config/.clang-tidy" ] && [ "$config" != / ]; do
            config=$(dirname "$config")
        done
        options+=("--config-file=$config/.clang-tidy" "--checks=-${per_file_checks//,/,-}")
    elif [[ "$source" =~ $test_files ]]; then
        options+=("${test_extra[@]+"${test_extra[@]}"}" "--checks=-*,$per_file_checks")
    elif [[ "$source" == "$source_dir"/tests/* ]]; then
        options+=("${test_extra[@]+"${test_extra[@]}"}")
    fi
    mkdir -p "$(dirname "$record")"
    output=$("$tidy" -quiet "${options[@]+"${options[@]}"}" --extra-arg-before=--driver-mode=g++ \
        "$source" -- "${arguments[@]}" 2>&1) || status=$?
    output=$(sed 's/\x1b\[[0-9;]*m//g' <<<"$output" |
        grep -vE '^[0-9]+ warnings? generated\.?$|^Suppressed [0-9]+ warnings|^Use -header-filter' || true)
    if [ $status -ne 0 ] || grep -qE '(warning|error):' <<<"$output"; then
        printf 'findings\n%s\n' "${output:-clang-tidy ended with status $status}" >"$record.new"
        [ "$mode" != launch ] || printf '%s\n' "$output" >&2
    else
        echo clean >"$record.new"
    fi
    mv -f "$record.new" "$record"
}

case "$mode" in
list)
    list_checked
    ;;
check | group)
    check "$@"
    ;;
launch)
    "$@" || exit $?
    object=""
    previous=""
    for argument in "$@"; do
        [ "$previous" = -o ] && object=$argument
        previous=$argument
    done
    case "$object" in
    /*) ;;
    *) object=$PWD/$object ;;
    esac
    checked=$(list_checked | cut -f1)
    if grep -qxF "$object" <<<"$checked"; then
        check "$@"
    fi
    ;;
esac
