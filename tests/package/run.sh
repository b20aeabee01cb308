#!/usr/bin/env bash
# Makes the release zips, one per Windows build (scripts/make_package.sh into
# build/package), and checks them as a Windows user receives them: each zip's
# listing, its readme.txt in code page 932 with CRLF line ends, that its
# Korvex.exe is a GUI program importing Windows system DLLs only, and that it
# is the one the Wine layers ran, for the builds they ran here (for a build
# they did not run, one "info" line says why: no pass, no failure); then
# SHA256SUMS, and that two clean clones of the commit at different paths
# build the same exes and zips byte for byte. The version resource is read
# back under Wine by an end-to-end case.
# The last line is "package: N passed, M failed".
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
# shellcheck source=scripts/version.sh
source scripts/version.sh
# shellcheck source=scripts/wine-probe.sh
source scripts/wine-probe.sh
# shellcheck source=scripts/gui-program.sh
source scripts/gui-program.sh

# One zip per build: its folder, the Wine that runs it, and its exe as
# objdump sees it: the tools' prefix, the file format, the optional header's
# magic.
releases=(
    "win32 32 i686 pei-i386 010b"
    "win64 64 x86_64 pei-x86-64 020b"
)
out="$root/build/package"
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

zip_name() {
    echo "korvex-$KORVEX_VERSION-$1.zip"
}

# member ZIP NAME: the bytes of one member on standard output.
member() {
    python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))' "$1" "$2"
}

make_zips() {
    local expected="" release
    for release in "${releases[@]}"; do
        expected+="$out/$(zip_name "${release%% *}")"$'\n'
    done
    rm -rf "$out"
    [ "$(bash scripts/make_package.sh "$out")" = "${expected%$'\n'}" ]
}

# Two members in this order, stored as from MS-DOS with the archive bit only,
# both with one time, and nothing else in the archive.
zip_listing() {
    local expected actual
    expected="Korvex.exe system 0 attributes 0x20 deflated extra 0
readme.txt system 0 attributes 0x20 deflated extra 0
one time for all members"
    actual="$(python3 - "$1" <<'PYTHON'
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
    member "$1" readme.txt >"$scratch/readme.txt"
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

# gui_program ZIP TOOLS FORMAT MAGIC: the zip's Korvex.exe passes
# korvex_gui_program.
gui_program() {
    member "$1" Korvex.exe >"$scratch/Korvex.exe"
    korvex_gui_program "$scratch/Korvex.exe" "$2" "$3" "$4"
}

# same_exe ZIP EXE: the zip holds EXE byte for byte.
same_exe() {
    local packed want
    packed="$(member "$1" Korvex.exe | sha256sum | cut -d' ' -f1)"
    want="$(sha256sum <"$2" | cut -d' ' -f1)"
    [ "$packed" = "$want" ] || { echo "zip: $packed, run: $want"; return 1; }
}

sums_verify() {
    local expected="" release
    for release in "${releases[@]}"; do
        expected+="$(zip_name "${release%% *}")"$'\n'
    done
    [ "$(cut -d' ' -f3- "$out/SHA256SUMS")" = "${expected%$'\n'}" ] || { cat "$out/SHA256SUMS"; return 1; }
    (cd "$out" && sha256sum --quiet -c SHA256SUMS)
}

# Clones HEAD into DIR, builds the release's exes there and packs them.
clone_and_pack() {
    local dir="$1" head
    head="$(git rev-parse HEAD)"
    git clone -q "$root" "$dir" || return 1
    git -C "$dir" checkout -q --detach "$head" || return 1
    (cd "$dir" && bash scripts/build.sh product && bash scripts/make_package.sh build/package) \
        >"$dir.log" 2>&1 || { tail -30 "$dir.log"; return 1; }
}

reproducible() {
    local one="$scratch/one" two="$scratch/second/clone-at-another-path" release build files=() file
    clone_and_pack "$one" || return 1
    clone_and_pack "$two" || return 1
    for release in "${releases[@]}"; do
        build="${release%% *}"
        files+=("build/$build/Korvex.exe" "build/package/$(zip_name "$build")")
    done
    # The sums, for the log.
    for file in "${files[@]}"; do
        echo "$(sha256sum <"$one/$file" | cut -d' ' -f1) $(sha256sum <"$two/$file" | cut -d' ' -f1) $file"
        cmp "$one/$file" "$two/$file" || return 1
    done
    # A build of uncommitted changes is no build of HEAD.
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "uncommitted changes: the tested zips were not compared with the clones'"
        return 0
    fi
    for file in "${files[@]}"; do
        cmp "$one/$file" "$root/$file" || { echo "the tested $file differs from the clones'"; return 1; }
    done
}

mapfile -t plan < <(korvex_wine_plan)

check "the zips are made from the builds" make_zips
for release in "${releases[@]}"; do
    read -r build arch tools format magic <<<"$release"
    zip="$out/$(zip_name "$build")"
    [ -f "$zip" ] || continue
    check "$build: zip listing" zip_listing "$zip"
    check "$build: readme.txt: code page 932, CRLF, the version" readme_cp932_crlf "$zip"
    check "$build: Korvex.exe is a $format GUI program importing Windows system DLLs only" \
        gui_program "$zip" "$tools" "$format" "$magic"
    read -r _ verdict why < <(printf '%s\n' "${plan[@]}" | grep "^$arch ")
    if [ "$verdict" = run ]; then
        check "$build: Korvex.exe in the zip is the one the Wine layers ran" same_exe "$zip" "build/$build/Korvex.exe"
    else
        echo "  info  $build: built, not run: $why"
    fi
done
check "SHA256SUMS names and verifies both zips" sums_verify
check "two clean clones build the same exes and zips" reproducible
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
