#!/usr/bin/env bash
# Builds the zip a player downloads: build/windows/Tallymere-<version>-win64.zip, holding
# tallymere.exe, the help page Index.html and README.txt.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel 2 --target package
