#!/usr/bin/env bash
# The search's throughput under Wine on a 1 GB file in the page cache: the
# real dialog and timer with the tick budget, and with one window per tick;
# the longest tick; and two baselines, a bare loop that maps and scans the
# same 64 KB views, and native grep -F -c. Builds nothing.
#   bash bench/search_bench.sh [path/to/korvex_search_bench.exe]
# KORVEX_BENCH_FILE names the scratch file (default /tmp/korvex-search-1g.bin,
# kept between runs); KORVEX_BENCH_SLOW_SECONDS bounds the one-window-per-tick
# run (default 10).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exe="${1:-$root/build/win32/bench/win32/korvex_search_bench.exe}"
file="${KORVEX_BENCH_FILE:-/tmp/korvex-search-1g.bin}"
slow_seconds="${KORVEX_BENCH_SLOW_SECONDS:-10}"
size=$((1 << 30))
needle="KorvexNeedle"
# Near the end, so every run scans almost the whole file.
needle_at=$((size - 4096 - 7))

if [ ! -f "$exe" ]; then
    echo "search_bench: $exe is not built (run scripts/build.sh)" >&2
    exit 1
fi

# Random bytes hold the needle's first byte every 256 bytes or so, and the
# whole needle nowhere but where it is written.
if [ ! -f "$file" ] || [ "$(stat -c %s "$file")" -ne "$size" ]; then
    echo "search_bench: writing $file"
    head -c "$size" /dev/urandom >"$file"
    printf '%s' "$needle" | dd of="$file" bs=1 seek="$needle_at" conv=notrunc status=none
fi
count="$(grep -F -c -a "$needle" "$file" || true)"
if [ "$count" != 1 ]; then
    echo "search_bench: $file holds the needle on $count lines, not 1" >&2
    exit 1
fi
cat "$file" >/dev/null

# Timings are not to be disturbed by the user's screen.
export KORVEX_PRIVATE_DISPLAY=1
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
trap korvex_wine_stop EXIT

winpath="Z:${file//\//\\}"
# field NAME LINE: the value of NAME=VALUE in the bench program's line.
field() { grep -oE "(^| )$1=[^ ]+" <<<"$2" | cut -d= -f2; }

run() {
    wine "$exe" "$@" | tr -d '\r'
}

# The program's own tick budget.
budget_ms="$(awk '$2 == "SEARCH_TICK_BUDGET_MS" { print $3 }' "$root/src/search/incremental_search.h")"
budget_line="$(run dialog "$winpath" "$needle" "$budget_ms")"
slow_line="$(run dialog "$winpath" "$needle" 0 "$slow_seconds")"
bare_line="$(run bare "$winpath" "$needle")"

grep_start=$(date +%s.%N)
grep -F -c -a "$needle" "$file" >/dev/null
grep_end=$(date +%s.%N)
grep_mbps="$(awk -v s="$size" -v a="$grep_start" -v b="$grep_end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }')"

for line in "$budget_line" "$bare_line"; do
    [ "$(field found "$line")" = 1 ] || { echo "search_bench: no hit: $line" >&2; exit 1; }
done
[ "$(field bytes "$budget_line")" = "$needle_at" ] \
    || { echo "search_bench: hit at $(field bytes "$budget_line"), expected $needle_at" >&2; exit 1; }

budget_mbps="$(field mbps "$budget_line")"
slow_mbps="$(field mbps "$slow_line")"
bare_mbps="$(field mbps "$bare_line")"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f %%", 100 * a / b }'; }

echo "file: $file, $size bytes, needle at $needle_at"
echo "  budget $budget_ms ms:        $budget_mbps MB/s, $(field ticks "$budget_line") ticks, mean $(field mean_tick_ms "$budget_line") ms, longest $(field max_tick_ms "$budget_line") ms (tick $(field max_tick_index "$budget_line"), the last is the hit's), $(field ticks_over_16ms "$budget_line") over 16 ms"
echo "  a page load in another window (as at the hit): $(field page_load_ms "$budget_line") ms"
echo "  one window a tick:  $slow_mbps MB/s over $(field bytes "$slow_line") bytes in $(field seconds "$slow_line") s, $(field ticks "$slow_line") ticks, longest $(field max_tick_ms "$slow_line") ms"
echo "  bare map+scan loop: $bare_mbps MB/s"
echo "  grep -F -c:         $grep_mbps MB/s"
echo "ratios: budget/bare $(ratio "$budget_mbps" "$bare_mbps"), one-window/bare $(ratio "$slow_mbps" "$bare_mbps"), budget/grep $(ratio "$budget_mbps" "$grep_mbps"), bare/grep $(ratio "$bare_mbps" "$grep_mbps")"
