#!/usr/bin/env bash
# The checksum dialog's speed on a 4 GiB file of random bytes in the page
# cache. Natively, our CRC-32 against zlib's crc32 over the same mapped bytes
# (built without sanitizers in build/bench-native). Under Wine, the real
# dialog summing the whole file on its timer ticks: each sum alone, then all
# five at once, which share one read and must take little longer than the
# slowest alone; the longest tick of each run. Beside them, for the record,
# md5sum, sha1sum, sha256sum and sha512sum on the same file (under Wine the
# hashes are Wine's own CNG). Every digest the dialog shows is checked against
# the native tools'. The load average at the start and the end says how
# quiet the machine was. Runs the build of the Wine chosen for this host (see
# scripts/wine-env.sh); builds only the native CRC-32 program.
#   bash bench/checksum_bench.sh [path/to/korvex_checksum_bench.exe]
# KORVEX_BENCH_FILE names the file (default /tmp/korvex-search-4g.bin, the
# search benchmark's, written when missing and kept).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
file="${KORVEX_BENCH_FILE:-/tmp/korvex-search-4g.bin}"
size=$((4 << 30))
if [ ! -f "$file" ] || [ "$(stat -c %s "$file")" -ne "$size" ]; then
    echo "checksum_bench: writing $file"
    head -c "$size" /dev/urandom >"$file"
fi
cat "$file" >/dev/null
echo "load at start: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"

echo "== native CRC-32 against zlib"
native="$root/build/bench-native"
cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DKORVEX_SANITIZE=OFF >/dev/null
cmake --build "$native" --target korvex_crc32_bench -j2 >/dev/null
crc_log="$("$native/bench/korvex_crc32_bench" "$file" 5)"
echo "$crc_log"
zlib_crc="$(grep -m1 -oE 'crc32 [0-9a-f]{8}' <<<"$crc_log" | cut -d' ' -f2)"

echo "== native tools"
declare -A digest seconds_of
rate() { awk -v s="$size" -v t="$1" 'BEGIN { printf "%.0f", s / 1048576 / t }'; }
for tool in md5sum sha1sum sha256sum sha512sum; do
    start=$(date +%s.%N)
    digest[$tool]="$("$tool" "$file" | cut -d' ' -f1)"
    end=$(date +%s.%N)
    seconds_of[$tool]="$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')"
    echo "$tool: ${seconds_of[$tool]} s, $(rate "${seconds_of[$tool]}") MB/s"
done

export KORVEX_PRIVATE_DISPLAY=1
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
trap korvex_wine_stop EXIT
exe="${1:-$KORVEX_WIN_BUILD/bench/win32/korvex_checksum_bench.exe}"
[ -f "$exe" ] || { echo "checksum_bench: $exe is not built (run scripts/build.sh)" >&2; exit 1; }
winfile="Z:${file//\//\\}"
field() { grep -oE "(^| )$1=[^ ]+" <<<"$2" | cut -d= -f2; }

# The digest each sum must show, by the name of its line.
declare -A expected=(["CRC-32"]="$zlib_crc" ["MD5"]="${digest[md5sum]}"
    ["SHA-1"]="${digest[sha1sum]}" ["SHA-256"]="${digest[sha256sum]}"
    ["SHA-512"]="${digest[sha512sum]}")
check_result() {
    local name value
    while read -r name value; do
        [ -n "$name" ] || continue
        [ "${expected[$name]}" = "$value" ] \
            || { echo "checksum_bench: $name is $value, the native tools say ${expected[$name]}" >&2; exit 1; }
    done < <(tail -n +2 <<<"$1")
}

echo "== the checksum dialog under Wine ($KORVEX_WINE_LABEL: $exe)"
slowest=0
slowest_name=""
alone_total=0
report() {
    local line="$1"
    echo "$2: $(field seconds "$line") s, $(field mbps "$line") MB/s; $(field ticks "$line") ticks, mean $(field mean_tick_ms "$line") ms, longest $(field max_tick_ms "$line") ms, $(field ticks_over_16ms "$line") over 16 ms"
}
for sum in crc32 md5 sha1 sha256 sha512; do
    output="$(wine "$exe" "$winfile" "$sum" | tr -d '\r')"
    check_result "$output"
    report "$(head -1 <<<"$output")" "$sum alone"
    seconds="$(field seconds "$(head -1 <<<"$output")")"
    alone_total="$(awk -v a="$alone_total" -v b="$seconds" 'BEGIN { print a + b }')"
    if awk -v a="$seconds" -v b="$slowest" 'BEGIN { exit !(a > b) }'; then
        slowest="$seconds"
        slowest_name="$sum"
    fi
done
output="$(wine "$exe" "$winfile" crc32 md5 sha1 sha256 sha512 | tr -d '\r')"
check_result "$output"
report "$(head -1 <<<"$output")" "all five at once"
all="$(field seconds "$(head -1 <<<"$output")")"
echo "all five / slowest alone ($slowest_name, $slowest s): $(awk -v a="$all" -v b="$slowest" 'BEGIN { printf "%.2f", a / b }')"
# The sums run side by side, one thread each: with fewer processors than the
# five keep busy the floor is their total over the processors, not the
# slowest alone.
echo "all five / the five alone one after another ($alone_total s): $(awk -v a="$all" -v b="$alone_total" 'BEGIN { printf "%.2f", a / b }')"
echo "every digest equals the native tools'"
echo "load at end: $(cut -d' ' -f1-3 /proc/loadavg)"
