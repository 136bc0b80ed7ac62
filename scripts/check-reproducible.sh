#!/usr/bin/env bash
# Builds tallymere.exe twice from the same commit, in two folders of different names and
# depths, and checks that both builds gave the same bytes: the program as built and as packaged.
# Usage: check-reproducible.sh [COMMIT]   (default: HEAD)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=${1:-HEAD}
if ! git -C "$root" rev-parse --verify -q "$commit^{commit}" >/dev/null; then
    echo "check-reproducible.sh: no commit $commit to build (not a git checkout?)" >&2
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build_once() {
    local source=$1
    mkdir -p "$source"
    git -C "$root" archive "$commit" | tar -x -C "$source"
    (
        cd "$source"
        cmake --preset windows -DTALLYMERE_BUILD_TESTS=OFF >/dev/null
        cmake --build --preset windows --parallel 2 --target package >/dev/null
        unzip -q -d unpacked build/windows/Tallymere-*-win64.zip
    )
}

build_once "$work/first"
build_once "$work/second/one/level/deeper"

status=0
for file in build/windows/bin/tallymere.exe unpacked/*/tallymere.exe unpacked/*/Index.html \
    unpacked/*/README.txt; do
    first=$(cd "$work/first" && sha256sum $file)
    second=$(cd "$work/second/one/level/deeper" && sha256sum $file)
    if [ "$first" = "$second" ]; then
        echo "same bytes: $first"
    else
        echo "DIFFERENT: $first / $second" >&2
        status=1
    fi
done
exit $status
