#!/usr/bin/env bash
# Runs every end-to-end case: each function named case_* in tests/e2e/*_test.sh,
# in its own bash process, against the Korvex.exe of the build that the
# chosen Wine runs. Expects scripts/wine-env.sh to be sourced already
# (scripts/test.sh does that). The last line is
# "end-to-end (<build and Wine>): N passed, M failed".
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
: "${KORVEX_WIN_BUILD:?source scripts/wine-env.sh first}"
# A case that hangs is stopped after this many seconds.
case_timeout="${KORVEX_E2E_CASE_TIMEOUT:-120}"

passed=0
failed=0
for file in "$here"/*_test.sh; do
    [ -f "$file" ] || continue
    name="$(basename "$file" .sh)"
    cases="$(bash -c 'source "$1" && declare -F' _ "$file" | awk '$3 ~ /^case_/ { print $3 }')"
    for case_name in $cases; do
        log="$(mktemp)"
        start=$SECONDS
        status=0
        timeout --kill-after=10 "$case_timeout" bash -c '
                set -euo pipefail
                source "$1"
                source "$2"
                e2e_run_case "$3"' _ "$here/lib.sh" "$file" "$case_name" >"$log" 2>&1 || status=$?
        if [ "$status" -eq 0 ]; then
            passed=$((passed + 1))
            echo "  ok    $name: $case_name ($((SECONDS - start)) s)"
        else
            failed=$((failed + 1))
            echo "  FAIL  $name: $case_name ($((SECONDS - start)) s)"
            if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
                echo "timed out after $case_timeout s" >>"$log"
            fi
            sed 's/^/        /' "$log"
        fi
        rm -f "$log"
    done
done

echo "end-to-end ($KORVEX_WINE_LABEL): $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
