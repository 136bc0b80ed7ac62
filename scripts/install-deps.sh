#!/usr/bin/env bash
# Installs what building and testing Tallymere needs on Debian, and nothing when it is there.
# Usage: install-deps.sh [--run]   (--run adds what the start command's screenshot needs)
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-dev clang-format clang-tidy
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-utils fonts-ipafont-gothic locales unzip
)
if [ "${1:-}" = "--run" ]; then
    packages+=(imagemagick)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
        "${missing[@]}" >/dev/null
fi

# Wine derives its ANSI code page from the locale: ja_JP.UTF-8 must exist.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "Generating the ja_JP.UTF-8 locale"
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
