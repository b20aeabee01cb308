#!/usr/bin/env bash
# The release command. Sets up, builds and runs every test layer as CI runs
# scripts/test.sh: the Wine layers for both builds where the host runs
# 32-bit code, for the x86_64 build where it runs none (the package layer
# makes the zips from the Korvex.exe of each build, checks them, and their
# readme says which builds ran). Only when all of them passed does it leave
# the release in dist/:
#   dist/korvex-<version>-win32.zip   the i686 Korvex.exe and readme.txt
#   dist/korvex-<version>-win64.zip   the x86_64 Korvex.exe and readme.txt
#   dist/SHA256SUMS                   both zips' SHA-256 (sha256sum -c reads it)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

KORVEX_RELEASE=1 bash scripts/test.sh

rm -rf dist
mkdir dist
cp build/package/korvex-*.zip build/package/SHA256SUMS dist/
(cd dist && sha256sum --quiet -c SHA256SUMS)
sed 's/^/package: /' dist/SHA256SUMS
echo "package: release in $root/dist/"
