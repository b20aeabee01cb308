#!/usr/bin/env bash
# Copying 16 MiB as hex text to the clipboard, and saving a 4 GiB range of a
# file in the page cache (on the save's own thread, its progress shown on the
# window's timer ticks) against native cp of the same bytes, with the longest
# tick. Beside cp, which copies inside the kernel, stands dd with the save's
# 1 MiB chunks: a native loop of the reads and writes the save makes. The
# save flushes its file to the disk before it renames it over the target;
# cp and dd do not, so "cp+sync" times cp and a sync of its copy too. Runs the build of the Wine chosen for this host (see
# scripts/wine-env.sh). Builds nothing.
#   bash bench/range_save_bench.sh [path/to/korvex_range_bench.exe]
# KORVEX_BENCH_FILE names the 4 GiB source (default /tmp/korvex-search-4g.bin,
# the search benchmark's, written when missing and kept). The copies go to
# each folder of KORVEX_BENCH_TARGET_DIRS (default "/tmp /dev/shm": a disk
# and memory) and are deleted. A disk's speed swings from run to run, so each
# folder gets KORVEX_BENCH_ROUNDS (default 3) rounds of a save, a cp and a dd,
# the save first in every other round, and the medians of the rounds' ratios.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
file="${KORVEX_BENCH_FILE:-/tmp/korvex-search-4g.bin}"
target_dirs="${KORVEX_BENCH_TARGET_DIRS:-/tmp /dev/shm}"
rounds="${KORVEX_BENCH_ROUNDS:-3}"
size=$((4 << 30))
if [ ! -f "$file" ] || [ "$(stat -c %s "$file")" -ne "$size" ]; then
    echo "range_save_bench: writing $file"
    head -c "$size" /dev/urandom >"$file"
fi
cat "$file" >/dev/null

export KORVEX_PRIVATE_DISPLAY=1
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
saved=""
copied=""
trap 'korvex_wine_stop; rm -f "$saved" "$copied"' EXIT
exe="${1:-$KORVEX_WIN_BUILD/bench/win32/korvex_range_bench.exe}"
[ -f "$exe" ] || { echo "range_save_bench: $exe is not built (run scripts/build.sh)" >&2; exit 1; }
winpath() { local path="$1"; echo "Z:${path//\//\\}"; }
field() { grep -oE "(^| )$1=[^ ]+" <<<"$2" | cut -d= -f2; }
run() { wine "$exe" "$@" | tr -d '\r'; }

echo "build: $exe ($KORVEX_WINE_LABEL)"
copy_line="$(run copy "$(winpath "$file")" $((16 << 20)))"
echo "copy 16 MiB as hex text: $(field seconds "$copy_line") s, $(field chars "$copy_line") characters"

# Each copy starts with no dirty pages of another's to write back. Prints the
# command's MB/s.
native_copy() {
    sync
    local start end
    start=$(date +%s.%N)
    "$@"
    end=$(date +%s.%N)
    rm -f "$copied"
    awk -v s="$size" -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }'
}
natives() {
    cp_mbps="$(native_copy cp "$file" "$copied")"
    dd_mbps="$(native_copy dd if="$file" of="$copied" bs=1M status=none)"
    sync_mbps="$(native_copy sh -c 'cp "$1" "$2" && sync "$2"' _ "$file" "$copied")"
}
median() { tr ' ' '\n' <<<"$1" | sed '/^$/d' | sort -n | awk '{ r[NR] = $1 } END { print r[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
korvex_save() {
    sync
    save_line="$(run save "$(winpath "$file")" "$(winpath "$saved")")"
    cmp -s "$file" "$saved" || { echo "range_save_bench: the saved file differs" >&2; exit 1; }
    rm -f "$saved"
}

for dir in $target_dirs; do
    saved="$dir/korvex-range-saved.bin"
    copied="$dir/korvex-range-cp.bin"
    cp_ratios=""
    dd_ratios=""
    sync_ratios=""
    for round in $(seq "$rounds"); do
        if [ $((round % 2)) -eq 1 ]; then natives; korvex_save; else korvex_save; natives; fi
        mbps="$(field mbps "$save_line")"
        cp_ratios="$cp_ratios $(ratio "$mbps" "$cp_mbps")"
        dd_ratios="$dd_ratios $(ratio "$mbps" "$dd_mbps")"
        sync_ratios="$sync_ratios $(ratio "$mbps" "$sync_mbps")"
        echo "save 4 GiB to $dir, round $round: $mbps MB/s in $(field seconds "$save_line") s (cp $cp_mbps MB/s, ratio $(ratio "$mbps" "$cp_mbps"); dd $dd_mbps MB/s, ratio $(ratio "$mbps" "$dd_mbps"); cp+sync $sync_mbps MB/s, ratio $(ratio "$mbps" "$sync_mbps")); $(field ticks "$save_line") ticks, mean $(field mean_tick_ms "$save_line") ms, longest $(field max_tick_ms "$save_line") ms, $(field ticks_over_16ms "$save_line") over 16 ms; the last, which opens the message, $(field last_tick_ms "$save_line") ms"
    done
    echo "save to $dir, medians of $rounds rounds: save/cp $(median "$cp_ratios"), save/dd $(median "$dd_ratios"), save/cp+sync $(median "$sync_ratios")"
done
