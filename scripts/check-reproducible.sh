#!/usr/bin/env bash
# Builds tallymere.exe twice from the same commit, in two folders of different names and
# depths, and checks that both builds gave the same bytes: the program as built and as packaged.
# Usage: check-reproducible.sh [--against BUILD_DIR] [COMMIT]   (default: HEAD)
#   --against BUILD_DIR  take an existing Windows build of this checkout (build/windows) as the
#                        first of the two builds, when it is one of the commit: the commit is
#                        HEAD, the checkout has no change against it (nothing modified, nothing
#                        untracked) and no file of the checkout is newer than the build's program.
#                        Otherwise both builds are made fresh, as without --against.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
against=""
if [ "${1:-}" = --against ]; then
    against=${2:?check-reproducible.sh --against BUILD_DIR}
    shift 2
fi
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

# The existing build stands for a build of the commit only when nothing in the checkout differs
# from the commit and the build is not older than any file of it.
built_from_commit() {
    local build=$1 program=$1/bin/tallymere.exe
    [ -f "$program" ] && [ -f "$build/CPackConfig.cmake" ] || return 1
    [ "$(git -C "$root" rev-parse "$commit^{commit}")" = "$(git -C "$root" rev-parse HEAD)" ] ||
        return 1
    [ -z "$(git -C "$root" status --porcelain --untracked-files=all)" ] || return 1
    local newer
    newer=$(cd "$root" && git ls-files -z |
        xargs -0 -r sh -c 'find "$@" -maxdepth 0 -newer "$0" -print' "$program")
    [ -z "$newer" ]
}

first=$work/first
if [ -n "$against" ] && built_from_commit "$(cd "$against" && pwd)"; then
    against=$(cd "$against" && pwd)
    echo "first build: $against (a build of $commit)"
    # The build's own program and a package CPack makes from it, laid out as build_once lays
    # out a fresh build.
    mkdir -p "$first/build/windows/bin"
    cp "$against/bin/tallymere.exe" "$first/build/windows/bin/"
    cpack --config "$against/CPackConfig.cmake" -B "$work/package" >/dev/null
    unzip -q -d "$first/unpacked" "$work"/package/Tallymere-*-win64.zip
    second=$work/second/one/level/deeper
    # Different depths for sure: the fresh build one folder deeper when they would match.
    if [ "$(tr -cd / <<<"$second" | wc -c)" = "$(tr -cd / <<<"$root" | wc -c)" ]; then
        second=$second/still
    fi
else
    [ -n "$against" ] && echo "$against is not a build of $commit as committed: building twice"
    build_once "$first"
    second=$work/second/one/level/deeper
fi
build_once "$second"

status=0
for file in build/windows/bin/tallymere.exe unpacked/*/tallymere.exe unpacked/*/Index.html \
    unpacked/*/README.txt; do
    one=$(cd "$first" && sha256sum $file)
    other=$(cd "$second" && sha256sum $file)
    if [ "$one" = "$other" ]; then
        echo "same bytes: $one"
    else
        echo "DIFFERENT: $one / $other" >&2
        status=1
    fi
done
exit $status
