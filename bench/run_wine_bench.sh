#!/usr/bin/env bash
# Runs the Windows benchmark korvex_wine_bench.exe (built by the cross build,
# scripts/build.sh) under Wine and prints its figures. Builds nothing.
#   bash bench/run_wine_bench.sh [path/to/korvex_wine_bench.exe]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Timings are not to be disturbed by the user's screen.
export KORVEX_PRIVATE_DISPLAY=1
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
trap korvex_wine_stop EXIT
exe="${1:-$KORVEX_WIN_BUILD/bench/win32/korvex_wine_bench.exe}"
if [ ! -f "$exe" ]; then
    echo "run_wine_bench: $exe is not built (run scripts/build.sh)" >&2
    exit 1
fi
echo "run_wine_bench: $exe ($KORVEX_WINE_LABEL)"
wine "$exe" | tr -d '\r'
