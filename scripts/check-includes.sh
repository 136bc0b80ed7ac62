#!/usr/bin/env bash
# Checks the folders' include rule, as the table in ARCHITECTURE.md states it: each folder
# includes only itself and the folders its row names, and only app/ and platform/'s win32_* files
# include Windows' own headers.
# Usage: check-includes.sh [ROOT]       checks the sources under ROOT (default: this checkout)
#        check-includes.sh --self-test  plants a bad include in a copy and expects a failure
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The project folders each folder may include, itself included: the rows "| `folder` | `a`, `b` |"
# of ARCHITECTURE.md's table. tests/ may include anything.
declare -A allowed=()
while IFS='|' read -r _ folder included _; do
    folder=$(tr -d ' `' <<<"$folder")
    allowed[$folder]="$folder $(tr -d '`,' <<<"$included")"
done < <(grep -E '^\| `[a-z]+` \|' "$here/../ARCHITECTURE.md")
[ ${#allowed[@]} -gt 0 ] || { echo "check-includes.sh: no rule found in ARCHITECTURE.md" >&2; exit 1; }
windows_headers='^(windows|windowsx|winuser|wingdi|winbase|winnls|winnt|winver|winerror|shellapi|shlobj|shlwapi|commctrl|commdlg|objbase)\.h$'

check() {
    local root=$1 broken=0 file folder line target
    while IFS= read -r file; do
        folder=${file%%/*}
        while IFS= read -r line; do
            if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]]; then
                target=${BASH_REMATCH[1]}
                if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
                    echo "$file: $folder/ may not include $target/: $line" >&2
                    broken=1
                fi
            elif [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([A-Za-z_]+\.h)\> ]] &&
                [[ ${BASH_REMATCH[1],,} =~ $windows_headers ]] &&
                [[ $folder != app && ! $file =~ ^platform/win32_[a-z_]+\.(cpp|h)$ ]]; then
                echo "$file: only app/ and platform/win32_* include Windows headers: $line" >&2
                broken=1
            fi
        done < "$root/$file"
    done < <(cd "$root" && find "${!allowed[@]}" -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)
    return $broken
}

if [ "${1:-}" = "--self-test" ]; then
    copy=$(mktemp -d)
    trap 'rm -rf "$copy"' EXIT
    (cd "$here/.." && cp -r "${!allowed[@]}" "$copy")
    check "$copy" || { echo "self-test: the checkout itself breaks the rule" >&2; exit 1; }
    for plant in 'kd/kd_arithmetic.h:#include "history/kd_history.h"' \
        'history/kd_history.h:#include "commands/window_state.h"' \
        'chart/chart_scale.h:#include "platform/window.h"' \
        'platform/window.h:#include "chart/chart_scale.h"' \
        'commands/window_state.h:#include "app/form.h"' \
        'gamelog/log_pieces.h:#include <windows.h>' \
        'platform/files.h:#include <Windows.h>'; do
        file=${plant%%:*}
        cp "$here/../$file" "$copy/$file.kept"
        echo "${plant#*:}" >> "$copy/$file"
        if check "$copy" 2>/dev/null; then
            echo "self-test: '${plant#*:}' in $file was not caught" >&2
            exit 1
        fi
        mv "$copy/$file.kept" "$copy/$file"
    done
    echo "self-test: every planted include was caught"
    exit 0
fi

check "${1:-$here/..}"
