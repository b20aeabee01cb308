#!/usr/bin/env bash
# Installs what building and testing Korvex needs on Debian 12, as root.
# Idempotent: when everything is already there it prints nothing and
# touches nothing.
set -euo pipefail

# Native build and tests, the mingw-w64 cross builds for i686 (the product)
# and x86_64 (the googletest source package provides /usr/src/googletest for
# the Windows test programs; zlib is the reference of the CRC-32's tests and
# benchmark), the lint of the window-free code, and running
# the program headless under 32-bit and 64-bit Wine with Japanese fonts and
# locale (scripts/wine-env.sh picks the one the host can run); python3 writes
# and reads the release zip, git clones the commit for the check that it
# builds the same twice.
packages=(
    cmake make g++ git python3
    libgtest-dev googletest libbenchmark-dev zlib1g-dev
    cppcheck
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    wine wine32:i386 wine64
    xvfb x11-utils imagemagick
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine
    locales
)

is_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null)" = "ii " ]
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

missing=()
for package in "${packages[@]}"; do
    is_installed "$package" || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    # wine32 is an i386 package.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    for package in "${missing[@]}"; do
        is_installed "$package" || { echo "setup: $package did not install" >&2; exit 1; }
    done
fi

# Wine takes the ANSI code page from LANG on every run: ja_JP.UTF-8 must be
# a generated locale for the program to see code page 932.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
        as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    fi
    as_root locale-gen >/dev/null
    locale -a | grep -qix 'ja_JP\.utf-\?8' || { echo "setup: ja_JP.UTF-8 locale missing" >&2; exit 1; }
fi
