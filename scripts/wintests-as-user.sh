#!/usr/bin/env bash
# Runs korvex_wintests.exe with the given arguments as the ordinary user that
# scripts/test.sh runs the AsUser suite as:
#   bash STAGE/wintests-as-user.sh --gtest_filter='AsUser*'
# That user may not reach the work tree, so test.sh copies this script,
# wine-env.sh, wine-probe.sh and the program into a stage folder and runs it
# there, with the prefix, display and Wine in KORVEX_WINEPREFIX, DISPLAY and
# KORVEX_WINE_ARCH. Sourcing wine-env.sh makes a fresh prefix and imports the
# registry settings into it. The status is the program's, 3 when Wine did
# not start.
set -u

stage="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/wine-env.sh
source "$stage/wine-env.sh" || exit 3
status=0
wine "$stage/korvex_wintests.exe" "$@" || status=$?
korvex_wine_stop
exit "$status"
