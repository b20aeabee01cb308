#!/usr/bin/env bash
# The search's throughput under Wine on a 4 GiB file of random bytes in the
# page cache, the needle near its end: the real dialog and timer with the tick
# budget, and with one window per tick; the longest tick but the hit's; the
# baselines: bare loops that read the file with ReadFile into a buffer of the
# search's size, and that map and scan views of 64 KB and 4 MB, each scanned
# with the C runtime's memchr, and native grep -F -c; the same needle with
# ASCII case ignored and with "??" for two of its bytes, and with each
# candidate filter the processor runs; a Japanese needle written in UTF-16BE
# at an odd offset near the end, found by すべて against grep -F -c given its
# four encodings; the backward search from the file's end to a second needle
# near its start (exact and with case ignored), against grep -F -c for it;
# the list of every hit over the whole file, against grep -b -o -a -F, which
# counts every occurrence as the list does; then the search through the
# first 64 GB of a sparse 4096 GB file (needle absent), extrapolated to the
# whole file. Ends with one line a kind against grep -F, all from this run.
# Runs the build of the Wine chosen for this host (see scripts/wine-env.sh).
# Builds nothing.
#   bash bench/search_bench.sh [path/to/korvex_search_bench.exe]
# KORVEX_BENCH_BUFFERS lists further search buffer sizes in bytes to run the
# program with, for choosing the size (default none).
# KORVEX_BENCH_FILE names the scratch file (default /tmp/korvex-search-4g.bin,
# kept between runs; delete it afterwards); KORVEX_BENCH_SLOW_SECONDS bounds
# the one-window-per-tick run (default 10); KORVEX_BENCH_SPARSE_GB the part of
# the sparse file searched (default 64, 4096 for all of it).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
file="${KORVEX_BENCH_FILE:-/tmp/korvex-search-4g.bin}"
slow_seconds="${KORVEX_BENCH_SLOW_SECONDS:-10}"
sparse_gb="${KORVEX_BENCH_SPARSE_GB:-64}"
size=$((4 << 30))
sparse_size=$((4096 << 30))
needle="KorvexNeedle"
# Near the end, so every run scans almost the whole file.
needle_at=$((size - 4096 - 7))
# Near the start, for the backward search.
back_needle="KorvexBackward"
back_at=$((4096 + 3))
# "検索針テスト" in code page 932 (the text typed), and its four encodings;
# the file holds it as UTF-16BE at an odd offset near the end.
jp_text=8c9f8df5906a836583588367
jp_encodings=(8c9f8df5906a836583588367 e6a49ce7b4a2e9879de38386e382b9e38388
    1c69227ddd91c630b930c830 691c7d2291dd30c630b930c8)
jp_at=$((size - 8192 - 3))

# Random bytes hold the needle's first byte every 256 bytes or so, and the
# whole needle nowhere but where it is written.
# The range benchmark shares the file and writes it without the needles.
if [ ! -f "$file" ] || [ "$(stat -c %s "$file")" -ne "$size" ]; then
    echo "search_bench: writing $file"
    head -c "$size" /dev/urandom >"$file"
fi
# put_needle TEXT OFFSET: writes TEXT at OFFSET unless it stands there.
put_needle() {
    if ! head -c $(($2 + ${#1})) "$file" | tail -c ${#1} | grep -q -a -F "$1"; then
        printf '%s' "$1" | dd of="$file" bs=1 seek="$2" conv=notrunc status=none
    fi
}
# bytes HEX: the bytes the hex digits spell (none is zero).
bytes() { printf '%b' "$(sed 's/../\\x&/g' <<<"$1")"; }
put_needle "$needle" "$needle_at"
put_needle "$back_needle" "$back_at"
put_needle "$(bytes "${jp_encodings[3]}")" "$jp_at"
jp_patterns=()
for e in "${jp_encodings[@]}"; do
    jp_patterns+=(-e "$(bytes "$e")")
done
for n in "$needle" "$back_needle" "$(bytes "${jp_encodings[3]}")"; do
    count="$(grep -F -c -a "$n" "$file" || true)"
    if [ "$count" != 1 ]; then
        echo "search_bench: $file holds $(xxd -p <<<"$n") on $count lines, not 1" >&2
        exit 1
    fi
done
cat "$file" >/dev/null

sparse="$(mktemp -d)/sparse-4096g.bin"
truncate -s "$sparse_size" "$sparse"

# Timings are not to be disturbed by the user's screen.
export KORVEX_PRIVATE_DISPLAY=1
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
trap 'korvex_wine_stop; rm -rf "$(dirname "$sparse")"' EXIT
exe="${1:-$KORVEX_WIN_BUILD/bench/win32/korvex_search_bench.exe}"
if [ ! -f "$exe" ]; then
    echo "search_bench: $exe is not built (run scripts/build.sh)" >&2
    exit 1
fi

winpath() { local path="$1"; echo "Z:${path//\//\\}"; }
# field NAME LINE: the value of NAME=VALUE in the bench program's line.
field() { grep -oE "(^| )$1=[^ ]+" <<<"$2" | cut -d= -f2; }

run() {
    wine "$exe" "$@" | tr -d '\r'
}

# The program's own tick budget and search buffer.
budget_ms="$(awk '$2 == "SEARCH_TICK_BUDGET_MS" { print $3 }' "$root/src/search/incremental_search.h")"
buffer_bytes="$(sed -nE 's/^#define SEARCH_BUFFER_BYTES \(([0-9]+)u << ([0-9]+)\)$/\1 \2/p' \
    "$root/src/search/search_buffer.h" | awk '{ print $1 * 2 ^ $2 }')"
view_bytes=$((4 << 20))
budget_line="$(run dialog "$(winpath "$file")" "$needle" "$budget_ms")"
case_line="$(run --either-case dialog "$(winpath "$file")" "kORVEXnEEDLE" "$budget_ms")"
any_line="$(run --hex dialog "$(winpath "$file")" "4B 6F 72 ?? 65 78 4E ?? 65 64 6C 65" "$budget_ms")"
jp_line="$(run --encoding 4 --bytes dialog "$(winpath "$file")" "$jp_text" "$budget_ms")"
back_case_line="$(run --either-case back "$(winpath "$file")" "kORVEXbACKWARD" "$budget_ms")"
filter_lines=()
for filter in 0 1 2; do
    filter_lines+=("$(run --filter "$filter" dialog "$(winpath "$file")" "$needle" "$budget_ms" \
        || echo "none")")
done
slow_line="$(run dialog "$(winpath "$file")" "$needle" 0 "$slow_seconds")"
back_line="$(run back "$(winpath "$file")" "$back_needle" "$budget_ms")"
all_line="$(run all "$(winpath "$file")" "$needle" "$budget_ms")"
read_line="$(run read "$(winpath "$file")" "$needle" "$buffer_bytes")"
bare_line="$(run bare "$(winpath "$file")" "$needle" 65536)"
view_line="$(run bare "$(winpath "$file")" "$needle" "$view_bytes")"
other_lines=()
for bytes in ${KORVEX_BENCH_BUFFERS:-}; do
    other_lines+=("$bytes $(run dialog "$(winpath "$file")" "$needle" "$budget_ms" 600 \
        18446744073709551615 "$bytes")")
done

grep_start=$(date +%s.%N)
grep -F -c -a "$needle" "$file" >/dev/null
grep_end=$(date +%s.%N)
grep_mbps="$(awk -v s="$size" -v a="$grep_start" -v b="$grep_end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }')"
# The bytes the backward search scans, from the needle to the end.
back_bytes=$((size - back_at))
# Through a pipe: with its output going to /dev/null, grep stops at the
# first match, and this needle is near the start.
grep_start=$(date +%s.%N)
grep -F -c -a "$back_needle" "$file" | cat >/dev/null
grep_end=$(date +%s.%N)
grep_back_mbps="$(awk -v s="$size" -v a="$grep_start" -v b="$grep_end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }')"
grep_start=$(date +%s.%N)
grep_all="$(grep -b -o -a -F "$needle" "$file" | wc -l)"
grep_end=$(date +%s.%N)
grep_all_mbps="$(awk -v s="$size" -v a="$grep_start" -v b="$grep_end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }')"
grep_start=$(date +%s.%N)
grep_jp="$(grep -F -c -a "${jp_patterns[@]}" "$file")"
grep_end=$(date +%s.%N)
grep_jp_mbps="$(awk -v s="$size" -v a="$grep_start" -v b="$grep_end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }')"
grep_start=$(date +%s.%N)
grep -F -i -c -a "$needle" "$file" >/dev/null
grep_end=$(date +%s.%N)
grep_case_mbps="$(awk -v s="$size" -v a="$grep_start" -v b="$grep_end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }')"

sparse_line="$(run dialog "$(winpath "$sparse")" "$needle" "$budget_ms" 100000 $((sparse_gb << 30)))"

for line in "$budget_line" "$read_line" "$bare_line" "$view_line"; do
    [ "$(field found "$line")" = 1 ] || { echo "search_bench: no hit: $line" >&2; exit 1; }
done
for line in "$budget_line" "$case_line" "$any_line"; do
    [ "$(field bytes "$line")" = "$needle_at" ] \
        || { echo "search_bench: hit at $(field bytes "$line"), expected $needle_at" >&2; exit 1; }
done
[ "$(field bytes "$jp_line")" = "$jp_at" ] && [ "$grep_jp" = 1 ] \
    || { echo "search_bench: すべて: $jp_line, grep counts $grep_jp, expected $jp_at" >&2; exit 1; }
[ "$(field bytes "$back_case_line")" = "$back_bytes" ] \
    || { echo "search_bench: backward, either case: $back_case_line, expected bytes=$back_bytes" >&2; exit 1; }
[ "$(field found "$back_line")" = 1 ] && [ "$(field bytes "$back_line")" = "$back_bytes" ] \
    || { echo "search_bench: backward: $back_line, expected bytes=$back_bytes" >&2; exit 1; }
[ "$(field found "$all_line")" = 1 ] && [ "$(field hits "$all_line")" = "$grep_all" ] \
    || { echo "search_bench: every hit: $all_line, grep counts $grep_all" >&2; exit 1; }

budget_mbps="$(field mbps "$budget_line")"
slow_mbps="$(field mbps "$slow_line")"
read_mbps="$(field mbps "$read_line")"
bare_mbps="$(field mbps "$bare_line")"
view_mbps="$(field mbps "$view_line")"
sparse_mbps="$(field mbps "$sparse_line")"
back_mbps="$(field mbps "$back_line")"
all_mbps="$(field mbps "$all_line")"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# tick_summary LINE: its longest tick but the hit's and how many went over 16 ms.
tick_summary() {
    echo "longest tick but the hit's $(field other_max_tick_ms "$1") ms, $(field other_ticks_over_16ms "$1") such over 16 ms"
}

echo "build: $exe ($KORVEX_WINE_LABEL)"
echo "file: $file, $size bytes, needle at $needle_at; search buffer $buffer_bytes bytes"
echo "  program, budget $budget_ms ms:  $budget_mbps MB/s, $(field ticks "$budget_line") ticks, mean $(field mean_tick_ms "$budget_line") ms; longest tick but the hit's $(field other_max_tick_ms "$budget_line") ms, $(field other_ticks_over_16ms "$budget_line") such over 16 ms; the hit's $(field max_tick_ms "$budget_line") ms"
echo "  a page load in another window (as at the hit): $(field page_load_ms "$budget_line") ms"
echo "  program, one window a tick: $slow_mbps MB/s over $(field bytes "$slow_line") bytes in $(field seconds "$slow_line") s, $(field ticks "$slow_line") ticks, longest $(field max_tick_ms "$slow_line") ms"
for line in "${other_lines[@]}"; do
    echo "  program, buffer of ${line%% *} bytes: $(field mbps "$line") MB/s, longest tick but the hit's $(field other_max_tick_ms "$line") ms"
done
echo "  bare loop, ReadFile into $buffer_bytes bytes: $read_mbps MB/s"
echo "  bare loop, 64 KB views:     $bare_mbps MB/s"
echo "  bare loop, $view_bytes-byte views: $view_mbps MB/s"
echo "  grep -F -c:                 $grep_mbps MB/s"
echo "  backward, budget $budget_ms ms: $back_mbps MB/s over $back_bytes bytes, $(field ticks "$back_line") ticks; longest tick but the hit's $(field other_max_tick_ms "$back_line") ms, $(field other_ticks_over_16ms "$back_line") such over 16 ms"
echo "  grep -F -c (backward's needle): $grep_back_mbps MB/s"
echo "  every hit, budget $budget_ms ms: $all_mbps MB/s, $(field hits "$all_line") hits, $(field ticks "$all_line") ticks; longest tick $(field max_tick_ms "$all_line") ms, $(field ticks_over_16ms "$all_line") over 16 ms"
echo "  grep -b -o -a -F:           $grep_all_mbps MB/s, $grep_all hits"
echo "  either case (kORVEXnEEDLE): $(field mbps "$case_line") MB/s; $(tick_summary "$case_line")"
echo "  grep -F -i -c:              $grep_case_mbps MB/s"
echo "  \"??\" (4B 6F 72 ?? 65 78 4E ?? 65 64 6C 65): $(field mbps "$any_line") MB/s; $(tick_summary "$any_line")"
echo "  すべて, found as UTF-16BE at $jp_at: $(field mbps "$jp_line") MB/s; $(tick_summary "$jp_line")"
echo "  grep -F -c -e x4 (its four encodings): $grep_jp_mbps MB/s"
echo "  backward, either case:      $(field mbps "$back_case_line") MB/s; $(tick_summary "$back_case_line")"
filter_names=(plain SSE2 AVX2)
for filter in 0 1 2; do
    line="${filter_lines[$filter]}"
    if [ "$line" = none ]; then
        echo "  filter ${filter_names[$filter]}: not run by this processor"
    else
        echo "  filter ${filter_names[$filter]}: $(field mbps "$line") MB/s; $(tick_summary "$line")"
    fi
done
echo "ratios: backward/grep $(ratio "$back_mbps" "$grep_back_mbps"), every-hit/grep $(ratio "$all_mbps" "$grep_all_mbps")"
echo "ratios: either-case/exact $(ratio "$(field mbps "$case_line")" "$budget_mbps"), \"??\"/exact $(ratio "$(field mbps "$any_line")" "$budget_mbps"), すべて/grep-x4 $(ratio "$(field mbps "$jp_line")" "$grep_jp_mbps")"
echo "against grep -F -c ($grep_mbps MB/s): exact $(ratio "$budget_mbps" "$grep_mbps"), either case $(ratio "$(field mbps "$case_line")" "$grep_mbps"), \"??\" $(ratio "$(field mbps "$any_line")" "$grep_mbps"), すべて $(ratio "$(field mbps "$jp_line")" "$grep_mbps"), backward $(ratio "$back_mbps" "$grep_mbps"), backward either case $(ratio "$(field mbps "$back_case_line")" "$grep_mbps"), every hit $(ratio "$all_mbps" "$grep_mbps")"
echo "ratios: program/grep $(ratio "$budget_mbps" "$grep_mbps"), program/bare-read $(ratio "$budget_mbps" "$read_mbps"), program/bare-4M-view $(ratio "$budget_mbps" "$view_mbps"), bare-read/grep $(ratio "$read_mbps" "$grep_mbps")"
echo "sparse 4096 GB file, needle absent: $(field bytes "$sparse_line") bytes in $(field seconds "$sparse_line") s, $sparse_mbps MB/s, longest tick $(field max_tick_ms "$sparse_line") ms, $(field ticks_over_16ms "$sparse_line") over 16 ms"
awk -v m="$sparse_mbps" -v s="$sparse_size" -v g="$sparse_gb" 'BEGIN {
    t = s / 1048576 / m
    printf "  the whole file: %.0f s (%.1f min)%s\n", t, t / 60, g < 4096 ? ", extrapolated from the first " g " GB" : ""
}'
