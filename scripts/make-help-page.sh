#!/usr/bin/env bash
# Writes the help page the package carries, docs/help/Index.html: the template with the picture
# of the window (docs/window.png) inside it, so that the page is one self-contained file. The
# build puts the project's version in (configure_file, cmake/Packaging.cmake).
# Usage: make-help-page.sh           writes docs/help/Index.html
#        make-help-page.sh --check   fails when docs/help/Index.html is not what it would write
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
page=$root/docs/help/Index.html
output=$page
if [ "${1:-}" = "--check" ]; then
    output=$(mktemp)
    trap 'rm -f "$output"' EXIT
fi

picture=$(base64 -w 0 "$root/docs/window.png")
sed -e "s|@WINDOW_PNG_BASE64@|$picture|" "$root/docs/help/Index.html.in" > "$output"

if [ "$output" != "$page" ] && ! cmp -s "$output" "$page"; then
    echo "docs/help/Index.html is out of date: run scripts/make-help-page.sh" >&2
    exit 1
fi
