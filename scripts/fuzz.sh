#!/usr/bin/env bash
# Runs the libFuzzer targets (built with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# in build/fuzz) from their seed corpora, and prints each one's executions and coverage.
# Usage: fuzz.sh [--no-build] [--build-dir DIR] [SECONDS] [TARGET...]
#   SECONDS  how long each target runs (default 60)
#   TARGET   count_text, fixed_format, data_file or game_log (default: all four)
# New inputs go to a temporary folder, so the corpora in the repository stay as they are. An
# input that breaks a property is kept in DIR/artifacts and the script fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build=yes
build_dir=$root/build/fuzz
while [ $# -gt 0 ]; do
    case "$1" in
    --no-build) build=no ;;
    --build-dir) build_dir=$2; shift ;;
    *) break ;;
    esac
    shift
done
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(count_text fixed_format data_file game_log)

if [ "$build" = yes ]; then
    (cd "$root" && cmake --preset fuzz >/dev/null && cmake --build --preset fuzz --parallel 2)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build_dir/artifacts"

failed=0
summary=()
for target in "${targets[@]}"; do
    fuzzer=$build_dir/tests/fuzz/${target}_fuzzer
    if [ ! -x "$fuzzer" ]; then
        echo "$fuzzer is missing: scripts/test.sh or scripts/fuzz.sh builds it" >&2
        exit 1
    fi
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$build_dir/artifacts/$target-")
    dictionary=$root/tests/fuzz/$target.dict
    [ -f "$dictionary" ] && options+=(-dict="$dictionary")
    mkdir -p "$work/$target"
    log=$work/$target.log
    status=0
    "$fuzzer" "${options[@]}" "$work/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1 ||
        status=$?
    # The last status line: "#RUNS ... cov: N ft: N corp: N/Nb ... exec/s: N ...".
    last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    coverage=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    features=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    corpus=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
    outcome=clean
    if [ $status -ne 0 ]; then
        outcome=FAILED
        failed=1
        grep -E 'ERROR|property broken|SUMMARY|Test unit written' "$log" >&2 || tail -n 30 "$log" >&2
    fi
    summary+=("$(printf '%-14s %12s %10s %8s %8s %8s  %s' "$target" "${runs:-?}" "${speed:-?}" \
        "${coverage:-?}" "${features:-?}" "${corpus:-?}" "$outcome")")
done

printf '%-14s %12s %10s %8s %8s %8s  %s\n' target executions exec/s cov ft corpus outcome
printf '%s\n' "${summary[@]}"
echo "(${seconds} s per target; cov: code edges reached, ft: coverage features)"
exit $failed
