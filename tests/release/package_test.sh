#!/usr/bin/env bash
# The zip a player downloads, made by CPack from this build, unpacked into a fresh folder and
# checked as a player would meet it; then the program is started from there under Wine.
# Usage: package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
zip=$work/out/Tallymere-$version-win64.zip
[ -f "$zip" ] || { echo "FAIL: CPack made no $zip" >&2; exit 1; }
mkdir "$work/unpacked"
(cd "$work/unpacked" && unzip -q "$zip")
folder=$work/unpacked/Tallymere-$version-win64
exe=$folder/tallymere.exe

contents=$(cd "$folder" && ls -A | tr '\n' ' ')
[ "$contents" = "Index.html README.txt tallymere.exe " ] || fail "the package holds: $contents"

# Only DLLs every Windows has: nothing of mingw's (libstdc++, libgcc, winpthread).
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' |
    tr '[:lower:]' '[:upper:]')
for dll in $imports; do
    case "$dll" in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | SHELL32.DLL | MSVCRT.DLL) ;;
    *) fail "tallymere.exe imports $dll" ;;
    esac
done
for needed in KERNEL32.DLL USER32.DLL GDI32.DLL SHELL32.DLL; do
    grep -qx "$needed" <<<"$imports" || fail "tallymere.exe does not import $needed"
done

size=$(stat -c %s "$exe")
[ "$size" -le 1048576 ] || fail "tallymere.exe is $size bytes, more than 1 MiB"

resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc)
grep -q "FILEVERSION ${version//./, }, 0" <<<"$resources" || fail "no file version $version"
grep -q "VALUE \"ProductVersion\", \"$version\"" <<<"$resources" || fail "no product version"

# The help page stands alone: its picture inside, nothing fetched from elsewhere.
page=$folder/Index.html
grep -q '<meta charset="utf-8">' "$page" || fail "Index.html does not declare UTF-8"
grep -q '<img src="data:image/png,%89%50%4e%47' "$page" || fail "Index.html has no picture inside"
if grep -Eq '<(link|script)|(src|href)="(https?:)?//' "$page"; then
    fail "Index.html refers to other files"
fi
iconv -f UTF-8 -t UTF-8 "$page" >/dev/null || fail "Index.html is not UTF-8"

# Started from the unpacked folder, as a double-click starts it. Wine sees / as drive Z:.
"$root/scripts/wine-run.sh" --prefix "$build/wine-prefix" --virtual-desktop \
    "$build/bin/start_program.exe" "Z:${exe//\//\\}" || fail "the unpacked program did not start"

[ "$failures" -eq 0 ] && echo "the package of $version holds what it must and starts"
exit "$failures"
