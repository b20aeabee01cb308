#!/usr/bin/env bash
# Sets up, builds, and starts Korvex under Wine: the 32-bit program where
# the host runs 32-bit code, else the x86_64 build of the same sources under
# 64-bit Wine (scripts/wine-env.sh chooses; KORVEX_WINE_ARCH=32 or 64 forces).
#
# With a usable display (DISPLAY set and reachable) Korvex runs there in the
# foreground until you exit it. Without one it runs in a private Xvfb: once
# its window is up a screenshot is saved to build/screenshots/korvex.png and
# Korvex is closed again, so this never waits for input that cannot come.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/setup.sh
bash scripts/build.sh

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
trap korvex_wine_stop EXIT

korvex="$KORVEX_WIN_BUILD/Korvex.exe"
echo "run: $korvex ($KORVEX_WINE_LABEL)"

if [ -z "$KORVEX_XVFB_PID" ]; then
    echo "run: starting Korvex on $DISPLAY"
    status=0
    wine "$korvex" || status=$?
    echo "run: Korvex exited with $status"
    exit "$status"
fi

drive="$KORVEX_WIN_BUILD/tests/e2e/korvex_drive.exe"
shot="build/screenshots/korvex.png"
exit_command="$(awk '$1 == "#define" && $2 == "IDM_EXIT" { print $3 }' src/res/resource.h)"

echo "run: no display, starting Korvex in Xvfb on $DISPLAY"
wine "$korvex" </dev/null >/dev/null 2>&1 &
pid=$!
if ! wine "$drive" -t 30000 wait >/dev/null; then
    kill "$pid" 2>/dev/null || true
    echo "run: the Korvex window did not appear" >&2
    exit 1
fi
# Let it finish painting before the picture is taken.
sleep 1
mkdir -p "$(dirname "$shot")"
# The screen is black around the window: trim it to the window.
import -window root png:- | convert png:- -trim +repage "$shot"
echo "run: screenshot saved to $root/$shot"

# Closing is not what is being shown here, so the exit command is posted
# rather than typed (typing depends on where the focus is).
wine "$drive" command "$exit_command" >/dev/null || true
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    echo "run: Korvex did not exit by itself and was stopped" >&2
    exit 1
fi
status=0
wait "$pid" || status=$?
echo "run: Korvex closed (exit code $status)"
exit "$status"
