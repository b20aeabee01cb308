#!/usr/bin/env bash
# Copying 16 MiB as hex text to the clipboard, and saving a 4 GiB range of a
# file in the page cache on the save's timer ticks, against native cp of the
# same bytes in the same run, with the longest tick. Runs the build of the
# Wine chosen for this host (see scripts/wine-env.sh). Builds nothing.
#   bash bench/range_save_bench.sh [path/to/korvex_range_bench.exe]
# KORVEX_BENCH_FILE names the 4 GiB source (default /tmp/korvex-search-4g.bin,
# the search benchmark's, written when missing and kept); the copies go to
# KORVEX_BENCH_TARGET_DIR (default /tmp) and are deleted.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
file="${KORVEX_BENCH_FILE:-/tmp/korvex-search-4g.bin}"
target_dir="${KORVEX_BENCH_TARGET_DIR:-/tmp}"
size=$((4 << 30))
if [ ! -f "$file" ] || [ "$(stat -c %s "$file")" -ne "$size" ]; then
    echo "range_save_bench: writing $file"
    head -c "$size" /dev/urandom >"$file"
fi
cat "$file" >/dev/null
saved="$target_dir/korvex-range-saved.bin"
copied="$target_dir/korvex-range-cp.bin"

export KORVEX_PRIVATE_DISPLAY=1
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
trap 'korvex_wine_stop; rm -f "$saved" "$copied"' EXIT
exe="${1:-$KORVEX_WIN_BUILD/bench/win32/korvex_range_bench.exe}"
[ -f "$exe" ] || { echo "range_save_bench: $exe is not built (run scripts/build.sh)" >&2; exit 1; }
winpath() { local path="$1"; echo "Z:${path//\//\\}"; }
field() { grep -oE "(^| )$1=[^ ]+" <<<"$2" | cut -d= -f2; }
run() { wine "$exe" "$@" | tr -d '\r'; }

copy_line="$(run copy "$(winpath "$file")" $((16 << 20)))"

rm -f "$saved" "$copied"
# Each copy starts with no dirty pages of the other's to write back.
sync
cp_start=$(date +%s.%N)
cp "$file" "$copied"

cp_end=$(date +%s.%N)
rm -f "$copied"
sync
save_line="$(run save "$(winpath "$file")" "$(winpath "$saved")")"
cmp -s "$file" "$saved" || { echo "range_save_bench: the saved file differs" >&2; exit 1; }
cp_mbps="$(awk -v s="$size" -v a="$cp_start" -v b="$cp_end" 'BEGIN { printf "%.1f", s / 1048576 / (b - a) }')"

echo "build: $exe ($KORVEX_WINE_LABEL)"
echo "copy 16 MiB as hex text: $(field seconds "$copy_line") s, $(field chars "$copy_line") characters"
echo "save 4 GiB: $(field mbps "$save_line") MB/s in $(field seconds "$save_line") s, $(field ticks "$save_line") ticks, mean $(field mean_tick_ms "$save_line") ms, longest $(field max_tick_ms "$save_line") ms, $(field ticks_over_16ms "$save_line") over 16 ms"
echo "native cp of the same bytes: $cp_mbps MB/s"
awk -v a="$(field mbps "$save_line")" -v b="$cp_mbps" 'BEGIN { printf "ratio save/cp: %.2f\n", a / b }'
