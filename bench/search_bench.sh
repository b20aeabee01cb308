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
# whole file. One line a kind: its pace, its longest tick, and its ratio to
# grep -F and to the grep that does its work.
# Runs the build of the Wine chosen for this host (see scripts/wine-env.sh).
# Builds nothing.
#   bash bench/search_bench.sh [path/to/korvex_search_bench.exe]
# KORVEX_BENCH_ROUNDS sets how many rounds of the kinds and grep run
# (default 3): the figures are their medians, the ratios the medians of each
# round's ratio, so that others' work on the machine weighs on both alike.
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
target="$(winpath "$file")"
# The bytes the backward search scans, from the needle to the end.
back_bytes=$((size - back_at))

# grep_mbps ARGS...: grep's pace over the whole file. Through a pipe: with
# its output going to /dev/null, grep stops at the first match.
grep_mbps() {
    local start end
    start=$(date +%s.%N)
    grep -a "$@" "$file" | cat >/dev/null
    end=$(date +%s.%N)
    awk -v s="$size" -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }'
}

# The kinds timed in every round, and grep beside them, interleaved so that
# whatever else the machine runs weighs on both alike: NAME and the bench
# program's arguments.
kinds=(exact case any all_four back back_case every plain sse2 avx2)
declare -A kind_args=(
    [exact]="dialog|$target|$needle|$budget_ms"
    [case]="--either-case|dialog|$target|kORVEXnEEDLE|$budget_ms"
    [any]="--hex|dialog|$target|4B 6F 72 ?? 65 78 4E ?? 65 64 6C 65|$budget_ms"
    [all_four]="--encoding|4|--bytes|dialog|$target|$jp_text|$budget_ms"
    [back]="back|$target|$back_needle|$budget_ms"
    [back_case]="--either-case|back|$target|kORVEXbACKWARD|$budget_ms"
    [every]="all|$target|$needle|$budget_ms"
    [plain]="--filter|0|dialog|$target|$needle|$budget_ms"
    [sse2]="--filter|1|dialog|$target|$needle|$budget_ms"
    [avx2]="--filter|2|dialog|$target|$needle|$budget_ms"
)
declare -A mbps longest over lines
rounds="${KORVEX_BENCH_ROUNDS:-3}"
for ((round = 1; round <= rounds; round++)); do
    for kind in "${kinds[@]}"; do
        IFS='|' read -r -a args <<<"${kind_args[$kind]}"
        line="$(run "${args[@]}" || echo "none")"
        lines[$kind]="$line"
        [ "$line" = none ] && continue
        mbps[$kind]+=" $(field mbps "$line")"
        # The list of every hit has no hit's tick: its last is a scan's.
        if [ "$kind" = every ]; then
            longest[$kind]+=" $(field max_tick_ms "$line")"
            over[$kind]+=" $(field ticks_over_16ms "$line")"
        else
            longest[$kind]+=" $(field other_max_tick_ms "$line")"
            over[$kind]+=" $(field other_ticks_over_16ms "$line")"
        fi
    done
    mbps[grep]+=" $(grep_mbps -F -c "$needle")"
    mbps[grep_back]+=" $(grep_mbps -F -c "$back_needle")"
    mbps[grep_case]+=" $(grep_mbps -F -i -c "$needle")"
    mbps[grep_four]+=" $(grep_mbps -F -c "${jp_patterns[@]}")"
    mbps[grep_every]+=" $(grep_mbps -b -o -F "$needle")"
done
grep_every_hits="$(grep -b -o -a -F "$needle" "$file" | wc -l)"
grep_four_lines="$(grep -F -c -a "${jp_patterns[@]}" "$file")"

# The last round's hits, checked.
[ "$(field found "${lines[exact]}")" = 1 ] || { echo "search_bench: no hit: ${lines[exact]}" >&2; exit 1; }
for kind in exact case any plain sse2 avx2; do
    [ "${lines[$kind]}" = none ] || [ "$(field bytes "${lines[$kind]}")" = "$needle_at" ] \
        || { echo "search_bench: $kind: ${lines[$kind]}, expected bytes=$needle_at" >&2; exit 1; }
done
[ "$(field bytes "${lines[all_four]}")" = "$jp_at" ] && [ "$grep_four_lines" = 1 ] \
    || { echo "search_bench: すべて: ${lines[all_four]}, grep counts $grep_four_lines, expected bytes=$jp_at" >&2; exit 1; }
for kind in back back_case; do
    [ "$(field found "${lines[$kind]}")" = 1 ] && [ "$(field bytes "${lines[$kind]}")" = "$back_bytes" ] \
        || { echo "search_bench: $kind: ${lines[$kind]}, expected bytes=$back_bytes" >&2; exit 1; }
done
[ "$(field found "${lines[every]}")" = 1 ] && [ "$(field hits "${lines[every]}")" = "$grep_every_hits" ] \
    || { echo "search_bench: every hit: ${lines[every]}, grep counts $grep_every_hits" >&2; exit 1; }

slow_line="$(run dialog "$target" "$needle" 0 "$slow_seconds")"
read_line="$(run read "$target" "$needle" "$buffer_bytes")"
bare_line="$(run bare "$target" "$needle" 65536)"
view_line="$(run bare "$target" "$needle" "$view_bytes")"
for line in "$read_line" "$bare_line" "$view_line"; do
    [ "$(field found "$line")" = 1 ] || { echo "search_bench: no hit: $line" >&2; exit 1; }
done
other_lines=()
for bytes in ${KORVEX_BENCH_BUFFERS:-}; do
    other_lines+=("$bytes $(run dialog "$target" "$needle" "$budget_ms" 600 \
        18446744073709551615 "$bytes")")
done
sparse_line="$(run dialog "$(winpath "$sparse")" "$needle" "$budget_ms" 100000 $((sparse_gb << 30)))"

median() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{ a[NR] = $1 } END { print NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
largest() { tr ' ' '\n' <<<"$1" | grep . | sort -g | tail -1; }
total() { tr ' ' '\n' <<<"$1" | grep . | awk '{ t += $1 } END { print t + 0 }'; }
# ratio A B: the median of the rounds' ratios of A's figures to B's.
ratio() {
    paste -d' ' <(tr ' ' '\n' <<<"${mbps[$1]}" | grep .) <(tr ' ' '\n' <<<"${mbps[$2]}" | grep .) \
        | awk '{ print $1 / $2 }' | sort -g \
        | awk '{ a[NR] = $1 } END { printf "%.2f", NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}

echo "build: $exe ($KORVEX_WINE_LABEL)"
echo "file: $file, $size bytes, needle at $needle_at; search buffer $buffer_bytes bytes; budget $budget_ms ms"
echo "machine: load average $(cut -d' ' -f1-3 /proc/loadavg) at the end, $(nproc) cores"
echo "medians of $rounds rounds, interleaved with grep; ticks: the longest but the hit's over all rounds, and how many went over 16 ms"
declare -A names=(
    [exact]="forward, exact (KorvexNeedle)" [case]="forward, either case (kORVEXnEEDLE)"
    [any]="forward, \"??\" (4B 6F 72 ?? 65 78 4E ?? 65 64 6C 65)"
    [all_four]="forward, すべて (検索針テスト, found as UTF-16BE at $jp_at)"
    [back]="backward, exact (KorvexBackward)" [back_case]="backward, either case (kORVEXbACKWARD)"
    [every]="every hit, exact (the whole file)"
    [plain]="forward, exact, plain filter" [sse2]="forward, exact, SSE2 filter" [avx2]="forward, exact, AVX2 filter"
)
declare -A against=([back]=grep_back [back_case]=grep_back [all_four]=grep_four [every]=grep_every)
printf '  %-62s %9s %12s %8s %10s %12s\n' kind MB/s "longest ms" ">16 ms" "/grep -F" "/its grep"
for kind in "${kinds[@]}"; do
    if [ -z "${mbps[$kind]:-}" ]; then
        printf '  %-62s not run by this processor\n' "${names[$kind]}"
        continue
    fi
    own="${against[$kind]:-grep}"
    printf '  %-62s %9.1f %12s %8s %10s %12s\n' "${names[$kind]}" "$(median "${mbps[$kind]}")" \
        "$(largest "${longest[$kind]}")" "$(total "${over[$kind]}")" "$(ratio "$kind" grep)" \
        "$(ratio "$kind" "$own") ($own)"
done
printf '  %-62s %9.1f\n' "grep -F -c KorvexNeedle" "$(median "${mbps[grep]}")" \
    "grep -F -c KorvexBackward (backward's needle)" "$(median "${mbps[grep_back]}")" \
    "grep -F -i -c KorvexNeedle" "$(median "${mbps[grep_case]}")" \
    "grep -F -c -e x4 (検索針テスト's four encodings): grep_four" "$(median "${mbps[grep_four]}")" \
    "grep -b -o -F KorvexNeedle ($grep_every_hits hits): grep_every" "$(median "${mbps[grep_every]}")"
echo "ratios: either-case/exact $(ratio case exact), \"??\"/exact $(ratio any exact), すべて/grep_four $(ratio all_four grep_four)"
echo "the exact search's last round: $(field ticks "${lines[exact]}") ticks, mean $(field mean_tick_ms "${lines[exact]}") ms, the hit's $(field max_tick_ms "${lines[exact]}") ms; a page load in another window (as at the hit): $(field page_load_ms "${lines[exact]}") ms"
echo "  program, one window a tick: $(field mbps "$slow_line") MB/s over $(field bytes "$slow_line") bytes in $(field seconds "$slow_line") s, $(field ticks "$slow_line") ticks, longest $(field max_tick_ms "$slow_line") ms"
for line in "${other_lines[@]}"; do
    echo "  program, buffer of ${line%% *} bytes: $(field mbps "$line") MB/s, longest tick but the hit's $(field other_max_tick_ms "$line") ms"
done
echo "  bare loop, ReadFile into $buffer_bytes bytes: $(field mbps "$read_line") MB/s"
echo "  bare loop, 64 KB views:     $(field mbps "$bare_line") MB/s"
echo "  bare loop, $view_bytes-byte views: $(field mbps "$view_line") MB/s"
sparse_mbps="$(field mbps "$sparse_line")"
echo "sparse 4096 GB file, needle absent: $(field bytes "$sparse_line") bytes in $(field seconds "$sparse_line") s, $sparse_mbps MB/s, longest tick $(field max_tick_ms "$sparse_line") ms, $(field ticks_over_16ms "$sparse_line") over 16 ms"
awk -v m="$sparse_mbps" -v s="$sparse_size" -v g="$sparse_gb" 'BEGIN {
    t = s / 1048576 / m
    printf "  the whole file: %.0f s (%.1f min)%s\n", t, t / 60, g < 4096 ? ", extrapolated from the first " g " GB" : ""
}'
