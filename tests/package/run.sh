#!/usr/bin/env bash
# Makes the release zip from the tested build (scripts/make_package.sh into
# build/package) and checks it as a Windows user receives it: its listing,
# readme.txt in code page 932 with CRLF line ends, that its Korvex.exe is the
# one the other layers tested, SHA256SUMS, and that two clean clones of the
# commit at different paths build the same Korvex.exe and zip byte for byte.
# The version resource is read back under Wine by an end-to-end case.
# The last line is "package: N passed, M failed".
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"

# shellcheck source=scripts/version.sh
source scripts/version.sh
zip_name="korvex-$KORVEX_VERSION-win32.zip"
out="$root/build/package"
zip="$out/$zip_name"
tested="$root/build/win32/Korvex.exe"
scratch="$(mktemp -d /tmp/korvex-package.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT

passed=0
failed=0

# check WHAT COMMAND...: one check, printed with what it printed.
check() {
    local what="$1" output
    shift
    if output="$("$@" 2>&1)"; then
        passed=$((passed + 1))
        echo "  ok    $what"
    else
        failed=$((failed + 1))
        echo "  FAIL  $what"
    fi
    [ -z "$output" ] || sed 's/^/        /' <<<"$output"
}

# member ZIP NAME: the bytes of one member on standard output.
member() {
    python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))' "$1" "$2"
}

make_zip() {
    rm -rf "$out"
    [ "$(bash scripts/make_package.sh "$out")" = "$zip" ]
}

# Two members in this order, stored as from MS-DOS with the archive bit only,
# both with one time, and nothing else in the archive.
zip_listing() {
    local expected actual
    expected="Korvex.exe system 0 attributes 0x20 deflated extra 0
readme.txt system 0 attributes 0x20 deflated extra 0
one time for all members"
    actual="$(python3 - "$zip" <<'PYTHON'
import sys
import zipfile
members = zipfile.ZipFile(sys.argv[1]).infolist()
for m in members:
    kind = "deflated" if m.compress_type == zipfile.ZIP_DEFLATED else "method %d" % m.compress_type
    print("%s system %d attributes %#x %s extra %d" % (m.filename, m.create_system, m.external_attr, kind, len(m.extra)))
print("one time for all members" if len({m.date_time for m in members}) == 1 else "times differ")
PYTHON
)"
    [ "$actual" = "$expected" ] || { printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$actual"; return 1; }
}

# Notepad on a Japanese system: code page 932, every line ended by CR LF,
# and the version filled in.
readme_cp932_crlf() {
    member "$zip" readme.txt >"$scratch/readme.txt"
    iconv -f CP932 -t UTF-8 "$scratch/readme.txt" >"$scratch/readme.utf8" \
        || { echo "readme.txt is not code page 932"; return 1; }
    python3 - "$scratch/readme.txt" <<'PYTHON' || return 1
import sys
data = open(sys.argv[1], "rb").read()
if not data.endswith(b"\r\n") or not data.count(b"\r\n") == data.count(b"\r") == data.count(b"\n"):
    sys.exit("readme.txt has a line end other than CR LF")
PYTHON
    grep -qF "Korvex+ バージョン $KORVEX_VERSION" "$scratch/readme.utf8" || { echo "no version line"; return 1; }
    ! grep -n '@' "$scratch/readme.utf8" || { echo "a placeholder is left"; return 1; }
}

exe_is_tested_one() {
    member "$zip" Korvex.exe >"$scratch/Korvex.exe"
    local packed want
    packed="$(sha256sum <"$scratch/Korvex.exe" | cut -d' ' -f1)"
    want="$(sha256sum <"$tested" | cut -d' ' -f1)"
    [ "$packed" = "$want" ] || { echo "zip: $packed, tested: $want"; return 1; }
}

sums_verify() {
    [ "$(cut -d' ' -f3- "$out/SHA256SUMS")" = "$zip_name" ] || { cat "$out/SHA256SUMS"; return 1; }
    (cd "$out" && sha256sum --quiet -c SHA256SUMS)
}

# Clones HEAD into DIR, builds Korvex there and packs it.
clone_and_pack() {
    local dir="$1" head
    head="$(git rev-parse HEAD)"
    git clone -q "$root" "$dir" || return 1
    git -C "$dir" checkout -q --detach "$head" || return 1
    (cd "$dir" &&
        cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release &&
        cmake --build build/win32 -j2 --target Korvex &&
        bash scripts/make_package.sh build/package) >"$dir.log" 2>&1 || { tail -30 "$dir.log"; return 1; }
}

reproducible() {
    local one="$scratch/one" two="$scratch/second/clone-at-another-path" file
    clone_and_pack "$one" || return 1
    clone_and_pack "$two" || return 1
    # The sums, for the log.
    for file in build/win32/Korvex.exe "build/package/$zip_name"; do
        echo "$(sha256sum <"$one/$file" | cut -d' ' -f1) $(sha256sum <"$two/$file" | cut -d' ' -f1) $(basename "$file")"
        cmp "$one/$file" "$two/$file" || return 1
    done
    # A build of uncommitted changes is no build of HEAD.
    if [ -z "$(git status --porcelain --untracked-files=no)" ]; then
        cmp "$one/build/package/$zip_name" "$zip" || { echo "the tested zip differs from the clones'"; return 1; }
    else
        echo "uncommitted changes: the tested zip was not compared with the clones'"
    fi
}

check "the zip is made from the tested build" make_zip
if [ -f "$zip" ]; then
    check "zip listing" zip_listing
    check "readme.txt: code page 932, CRLF, the version" readme_cp932_crlf
    check "Korvex.exe in the zip is the tested one" exe_is_tested_one
    check "SHA256SUMS names and verifies the zip" sums_verify
fi
check "two clean clones build the same Korvex.exe and zip" reproducible
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
