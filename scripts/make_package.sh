#!/usr/bin/env bash
# Packs the built programs of this tree into the zips a Windows user
# downloads:
#
#   bash scripts/make_package.sh OUTDIR
#
# writes one zip per Windows build, named after its build folder:
#   OUTDIR/korvex-<version>-win32.zip   Korvex.exe of build/win32 (i686)
#   OUTDIR/korvex-<version>-win64.zip   Korvex.exe of build/win64 (x86_64)
# each holding Korvex.exe and readme.txt (docs/readme.ja.txt in code page 932
# with CRLF line ends, as Notepad on a Japanese system reads it), and
# OUTDIR/SHA256SUMS listing both; prints the zips' paths, one a line. Builds
# and tests nothing: scripts/package.sh is the release command.
#
# The readme says which builds the tests start on this host: of its lines
# tagged "@RAN <builds>@", it keeps those whose tag names exactly the Wines
# that korvex_wine_plan (scripts/wine-probe.sh) runs, "32", "64" or "32 64",
# without the tag, and drops the others.
#
# The same commit gives the same zips byte for byte: the members are stored
# in a fixed order, both with the commit's time (or SOURCE_DATE_EPOCH), with
# no extra fields and no Unix attributes.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:?usage: make_package.sh OUTDIR}"
builds=(win32 win64)

for build in "${builds[@]}"; do
    [ -f "$root/build/$build/Korvex.exe" ] || { echo "make_package: $root/build/$build/Korvex.exe is not built" >&2; exit 1; }
done

# shellcheck source=scripts/version.sh
source "$root/scripts/version.sh"
# shellcheck source=scripts/wine-probe.sh
source "$root/scripts/wine-probe.sh"
ran="$(korvex_wine_plan | awk '$2 == "run" { printf "%s%s", separator, $1; separator = " " }')"
stamp="${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}"

mkdir -p "$out"
staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT

# iconv fails on a character code page 932 lacks.
sed "s/^@RAN $ran@//; /^@RAN /d; s/@VERSION@/$KORVEX_VERSION/g; s/\$/\r/" "$root/docs/readme.ja.txt" \
    | iconv -f UTF-8 -t CP932 >"$staging/readme.txt"

zips=()
for build in "${builds[@]}"; do
    zips+=("korvex-$KORVEX_VERSION-$build.zip")
    python3 - "$out/${zips[-1]}" "$stamp" "$root/build/$build/Korvex.exe" "$staging/readme.txt" <<'PYTHON'
import sys
import time
import zipfile

target, stamp, exe, readme = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
date_time = time.gmtime(stamp)[:6]
with zipfile.ZipFile(target, "w") as archive:
    for name, path in (("Korvex.exe", exe), ("readme.txt", readme)):
        member = zipfile.ZipInfo(name, date_time)
        member.compress_type = zipfile.ZIP_DEFLATED
        member.create_system = 0  # MS-DOS: no Unix mode bits
        # The archive bit alone: zipfile puts Unix mode bits in an empty value.
        member.external_attr = 0x20
        with open(path, "rb") as source:
            archive.writestr(member, source.read())
PYTHON
done

(cd "$out" && sha256sum "${zips[@]}" >SHA256SUMS)
for zip in "${zips[@]}"; do
    echo "$out/$zip"
done
