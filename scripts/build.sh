#!/usr/bin/env bash
# Configures and builds the three trees: build/native (the window-free code
# and its unit tests, with sanitizers), build/win32 (Korvex.exe, the product,
# and the Windows test programs, cross-compiled with mingw-w64 for i686) and
# build/win64 (the same for x86_64, which 64-bit Wine runs where the host runs
# no 32-bit code). Both Windows trees are built on every host, so that a
# change that breaks either fails at once.
#
#   bash scripts/build.sh            all three trees
#   bash scripts/build.sh product    Korvex.exe of both Windows trees only,
#                                    what the release zips hold
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs=2
targets=()
case "${1:-}" in
"") ;;
product) targets=(--target Korvex) ;;
*) echo "usage: build.sh [product]" >&2; exit 2 ;;
esac

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

if [ "${#targets[@]}" -eq 0 ]; then
    echo "build: native (build/native)"
    quietly cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
    quietly cmake --build build/native -j"$jobs"
fi

# cross_build TREE TOOLCHAIN: one Windows tree.
cross_build() {
    echo "build: $1 (build/$1)"
    # The toolchain is fixed when the tree is first configured.
    if [ -f "build/$1/CMakeCache.txt" ]; then
        quietly cmake -S . -B "build/$1"
    else
        quietly cmake -S . -B "build/$1" -DCMAKE_TOOLCHAIN_FILE="cmake/$2.cmake" -DCMAKE_BUILD_TYPE=Release
    fi
    quietly cmake --build "build/$1" -j"$jobs" "${targets[@]}"
}

cross_build win32 mingw-i686
cross_build win64 mingw-x86_64

echo "build: done in $SECONDS s, build/win32/Korvex.exe (and build/win64/Korvex.exe)"
