#!/usr/bin/env bash
# The release command. Sets up, builds and runs every test layer as
# scripts/test.sh does (its package layer makes the zips from the
# Korvex.exe of each build and checks them), and only when all of them
# passed leaves the release in dist/:
#   dist/korvex-<version>-win32.zip   the i686 Korvex.exe and readme.txt
#   dist/korvex-<version>-win64.zip   the x86_64 Korvex.exe and readme.txt
#   dist/SHA256SUMS                   both zips' SHA-256 (sha256sum -c reads it)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/test.sh

rm -rf dist
mkdir dist
cp build/package/korvex-*.zip build/package/SHA256SUMS dist/
(cd dist && sha256sum --quiet -c SHA256SUMS)
sed 's/^/package: /' dist/SHA256SUMS
echo "package: release in $root/dist/"
