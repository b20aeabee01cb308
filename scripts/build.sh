#!/usr/bin/env bash
# Configures and builds both trees: build/native (the window-free code and its
# unit tests, with sanitizers) and build/win32 (Korvex.exe and the Windows
# test programs, cross-compiled with mingw-w64).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs=2

# Prints the build's output only when it fails.
quietly() {
    local log
    log="$(mktemp)"
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "build: failed: $*" >&2
        return 1
    fi
    # Compiler warnings are worth seeing even when the build succeeds.
    grep -A3 'warning:' "$log" >&2 || true
    rm -f "$log"
}

echo "build: native (build/native)"
quietly cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
quietly cmake --build build/native -j"$jobs"

echo "build: win32 (build/win32)"
# The toolchain is fixed when the tree is first configured.
if [ -f build/win32/CMakeCache.txt ]; then
    quietly cmake -S . -B build/win32
else
    quietly cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
fi
quietly cmake --build build/win32 -j"$jobs"

echo "build: done in $SECONDS s, build/win32/Korvex.exe"
