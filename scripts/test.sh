#!/usr/bin/env bash
# Sets up, builds, and runs the four test layers in order:
#   1. native       unit tests of the window-free code (ASan + UBSan),
#                   cppcheck over that code, and the order of the rooms of
#                   src/ (scripts/check-layers.py)
#   2. integration  the Win32 test program korvex_wintests.exe under Wine
#   3. end-to-end   Korvex.exe under Wine, driven from outside (tests/e2e)
#                   (2 and 3 run the build of the Wine the host can run: the
#                   i686 one under 32-bit Wine, or the x86_64 one under
#                   64-bit Wine; under CI and for a release both where
#                   the host runs both)
#   4. package      the release zips of both builds (the exe of each build
#                   the Wine layers ran checked as the one they ran), and
#                   two clean clones building them byte for byte
#                   (tests/package)
# Each layer ends with a line "<layer>: N passed, M failed" (the lint with
# "lint: ..."). Every layer runs even when an earlier one failed; the exit
# status is non-zero when any of them failed. Full logs: build/logs/.
set -euo pipefail

# The braces make bash read the whole script before running any of it, so
# editing this file while a run is under way cannot derail that run.
{
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/setup.sh
bash scripts/build.sh

logs="$root/build/logs"
mkdir -p "$logs"
failed_layers=()

# report LABEL PASSED FAILED [WHY]: the line that ends a layer, which CI reads.
report() {
    echo "$1: $2 passed, $3 failed${4:+ ($4)}"
}

# Layer 1 ----------------------------------------------------------------------

native_tests() {
    local log="$logs/native.log" summary passed failed total status=0
    (cd build/native && ctest --output-on-failure -j2) >"$log" 2>&1 || status=$?
    summary="$(grep -E '^[0-9]+% tests passed' "$log" || true)"
    if [ -z "$summary" ]; then
        cat "$log"
        report native 0 1 "ctest did not run"
        return 1
    fi
    failed="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")"
    total="$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")"
    passed=$((total - failed))
    if [ "$status" -ne 0 ] || [ "$failed" -ne 0 ]; then
        # The failing tests' own output, without the lines of the passing ones.
        grep -vE '^ +Start +[0-9]+: |Test +#[0-9]+: .* Passed ' "$log" | head -400
    fi
    echo "$summary"
    report native "$passed" "$failed"
    [ "$status" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
}

# The window-free sources, as listed in src/*/core.cmake.
core_sources() {
    cat src/*/core.cmake | grep -oE 'src/[A-Za-z0-9_/.-]+\.(cpp|c)' | sort -u
}

lint_core() {
    local log="$logs/lint.log" sources
    mapfile -t sources < <(core_sources)
    if [ "${#sources[@]}" -eq 0 ]; then
        echo "lint: no core sources found"
        return 1
    fi
    if cppcheck --quiet --std=c++17 --language=c++ -I src \
            --enable=warning,performance,portability --inline-suppr \
            --suppress=missingIncludeSystem --error-exitcode=1 \
            "${sources[@]}" >"$log" 2>&1; then
        echo "lint: cppcheck clean over ${#sources[@]} core files"
    else
        cat "$log"
        echo "lint: cppcheck found problems in the core files"
        return 1
    fi
}

# Each room of src/ includes only its own and those below it.
lint_layers() {
    local log="$logs/layers.log" status=0
    python3 scripts/check-layers.py src >"$log" 2>&1 || status=$?
    case "$status" in
        0) echo "lint: every room of src/ includes only itself and the rooms below" ;;
        1)
            cat "$log"
            echo "lint: src/ breaks the order of its rooms in $(grep -c '' "$log") places"
            ;;
        *)
            cat "$log"
            echo "lint: the layering check did not run (exit status $status)"
            ;;
    esac
    [ "$status" -eq 0 ]
}

echo "== 1. native"
native_tests || failed_layers+=(native)
lint_core || failed_layers+=(lint)
lint_layers || failed_layers+=(layering)

# Layers 2 and 3 run under Wine ---------------------------------------------
# Each Wine runs its own build: 32-bit Wine the i686 build, 64-bit Wine the
# x86_64 build; korvex_wine_plan (scripts/wine-probe.sh) says which of them
# run on this host.

# Limits of the Windows test program: a test that prints nothing for
# idle_limit seconds hangs (a modal loop nobody closes, say); the whole run
# may take total_limit seconds.
idle_limit=90
total_limit=600
wintests="tests/win32/korvex_wintests.exe"

# run_watched LOG COMMAND...: runs COMMAND with its output (carriage returns
# removed) in LOG, and stops it when it hangs. The status is the command's,
# 124 when it was stopped for silence and 125 for taking too long.
run_watched() {
    local log="$1" raw pid size last=-1 idle=0 elapsed=0 status=0 stopped=0
    shift
    raw="$log.raw"
    "$@" </dev/null >"$raw" 2>&1 &
    pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        sleep 1
        elapsed=$((elapsed + 1))
        size="$(stat -c %s "$raw")"
        if [ "$size" -eq "$last" ]; then
            idle=$((idle + 1))
        else
            idle=0
            last="$size"
        fi
        if [ "$idle" -ge "$idle_limit" ]; then
            stopped=124
        elif [ "$elapsed" -ge "$total_limit" ]; then
            stopped=125
        else
            continue
        fi
        kill "$pid" 2>/dev/null || true
        break
    done
    wait "$pid" || status=$?
    tr -d '\r' <"$raw" >"$log"
    rm -f "$raw"
    [ "$stopped" -eq 0 ] || status="$stopped"
    return "$status"
}

# finish_reason STATUS LOG: why a watched run ended.
finish_reason() {
    case "$1" in
        124) echo "no output for $idle_limit s, stopped during $(grep -E '^\[ RUN      \] ' "$2" | tail -1 | cut -c14-)" ;;
        125) echo "stopped after $total_limit s" ;;
        *) echo "exit status $1" ;;
    esac
}

# gtest_count LOG WORD: tests of LOG that ended OK, FAILED or SKIPPED. A
# test's own line carries its time; the summary's list does not.
gtest_count() {
    local word
    case "$2" in
        OK) word='       OK ' ;;
        FAILED) word='  FAILED  ' ;;
        SKIPPED) word='  SKIPPED ' ;;
    esac
    grep -cE "^\[$word\] .* \([0-9]+ ms\)$" "$1" || true
}

# gtest_print_failures LOG PATTERN LIMIT: each test that ended with PATTERN
# (FAILED, or FAILED|SKIPPED), with what it printed.
gtest_print_failures() {
    awk -v ended="^\\[  ($2) *\\] .* \\([0-9]+ ms\\)$" \
        '/^\[ RUN      \] / { block = "" }
         { block = block $0 "\n" }
         $0 ~ ended { printf "%s", block }' "$1" | head -"$3"
}

gtest_finished() {
    grep -qE '^\[==========\] [0-9]+ tests? from .* ran\.' "$1"
}

integration_tests() {
    local exe="$KORVEX_WIN_BUILD/$wintests" log="$logs/integration-$build_name.log"
    local status=0 passed failed as_user_passed as_user_failed
    local label="integration ($KORVEX_WINE_LABEL)"
    if [ ! -f "$exe" ]; then
        report "$label" 0 1 "$exe is not built"
        return 1
    fi
    run_watched "$log" wine "$exe" --gtest_color=no || status=$?
    passed="$(gtest_count "$log" OK)"
    failed="$(gtest_count "$log" FAILED)"
    read -r as_user_passed as_user_failed <<<"$(integration_as_user "$exe")"
    passed=$((passed + as_user_passed))
    failed=$((failed + as_user_failed))
    if [ "$failed" -gt 0 ]; then
        gtest_print_failures "$log" FAILED 300
    fi
    if ! gtest_finished "$log"; then
        tail -40 "$log"
        report "$label" "$passed" $((failed + 1)) "the program did not finish: $(finish_reason "$status" "$log")"
        return 1
    fi
    report "$label" "$passed" "$failed"
    [ "$status" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
}

# Integration as an ordinary user -----------------------------------------
# Root may write any file, so the refusal of files the user may not write
# (the AsUser suite, which skips itself in the run as root) is tested with
# Wine run as the user korvex-test, in a Wine prefix of its own, on the same
# display. Its counts join the integration line; a skip counts as a failure.
as_user_name=korvex-test
as_user_args=(--gtest_color=no --gtest_filter='AsUser*')

# integration_as_user EXE: runs the AsUser suite of EXE as an ordinary user
# and prints its counts, "PASSED FAILED"; what went wrong goes to stderr.
integration_as_user() {
    local exe="$1" log="$logs/integration-as-user-$build_name.log"
    local stage home prefix status=0 passed failed skipped
    stage="$(mktemp -d /tmp/korvex-as-user.XXXXXX)"
    chmod 755 "$stage"
    # Readable by everyone, writable by its owner only.
    printf 'Korvex: readable, not writable\n' >"$stage/not-writable.bin"
    chmod 644 "$stage/not-writable.bin"
    if [ "$(id -u)" -ne 0 ]; then
        # Already an ordinary user: the prefix and display of the run above serve.
        run_watched "$log" env KORVEX_AS_USER=1 \
            KORVEX_NOT_WRITABLE='Z:\etc\passwd' \
            wine "$exe" "${as_user_args[@]}" || status=$?
    else
        if ! id -u "$as_user_name" >/dev/null 2>&1 \
                && ! useradd -m "$as_user_name" >"$log" 2>&1; then
            cat "$log" >&2
            echo "integration: cannot create the user $as_user_name" >&2
            rm -rf "$stage"
            echo 0 1
            return
        fi
        home="$(getent passwd "$as_user_name" | cut -d: -f6)"
        # A prefix per work tree and Wine: runs of two work trees at once
        # would otherwise share, and end, each other's wineserver.
        prefix="$home/.korvex-wineprefix-$build_name-$(printf '%s' "$root" | md5sum | cut -c1-8)"
        # The user may not reach the work tree; the program needs nothing else.
        cp "$exe" scripts/wintests-as-user.sh scripts/wine-env.sh scripts/wine-probe.sh "$stage/"
        chmod 644 "$stage/wintests-as-user.sh" "$stage/wine-env.sh" "$stage/wine-probe.sh"
        chmod 755 "$stage/korvex_wintests.exe"
        run_watched "$log" runuser -u "$as_user_name" -- env -i \
            HOME="$home" USER="$as_user_name" PATH="$PATH" DISPLAY="$DISPLAY" \
            KORVEX_WINE_ARCH="$KORVEX_WINE_ARCH" KORVEX_WINE_WHY="the run as root chose it" \
            KORVEX_WINEPREFIX="$prefix" KORVEX_AS_USER=1 \
            KORVEX_NOT_WRITABLE="Z:${stage//\//\\}\\not-writable.bin" \
            bash "$stage/wintests-as-user.sh" "${as_user_args[@]}" || status=$?
    fi
    rm -rf "$stage"
    passed="$(gtest_count "$log" OK)"
    failed="$(gtest_count "$log" FAILED)"
    skipped="$(gtest_count "$log" SKIPPED)"
    if [ "$failed" -gt 0 ] || [ "$skipped" -gt 0 ]; then
        gtest_print_failures "$log" 'FAILED|SKIPPED' 100 >&2
        failed=$((failed + skipped))
    fi
    if ! gtest_finished "$log" || [ "$passed" -eq 0 ]; then
        tail -20 "$log" >&2
        echo "integration: the run as $as_user_name did not finish ($(finish_reason "$status" "$log"))" >&2
        failed=$((failed + 1))
    fi
    echo "$passed" "$failed"
}

# wine_layers ARCH WHY: layers 2 and 3 under one Wine, in a shell of their
# own (its Wine, prefix and display end with it). ARCH is the Wine, WHY says
# why. The status holds the failed layers: 1 integration, 2 end-to-end.
wine_layers() (
    export KORVEX_WINE_ARCH="$1" KORVEX_WINE_WHY="$2"
    # The tests' windows and keystrokes go to a display of their own.
    export KORVEX_PRIVATE_DISPLAY=1
    # shellcheck source=scripts/wine-env.sh
    if ! source scripts/wine-env.sh; then
        local label="${KORVEX_WINE_LABEL:-$1-bit Wine}"
        report "integration ($label)" 0 1 "Wine did not start"
        report "end-to-end ($label)" 0 1 "Wine did not start"
        exit 3
    fi
    trap korvex_wine_stop EXIT
    build_name="$(basename "$KORVEX_WIN_BUILD")"
    local failed=0
    echo "== 2. integration ($KORVEX_WINE_LABEL)"
    integration_tests || failed=$((failed | 1))
    echo "== 3. end-to-end ($KORVEX_WINE_LABEL)"
    bash tests/e2e/run.sh </dev/null || failed=$((failed | 2))
    exit "$failed"
)

# run_wine_layers ARCH WHY: wine_layers, its failures added to the list.
run_wine_layers() {
    local status=0 suffix="-$1bit"
    wine_layers "$@" || status=$?
    [ $((status & 1)) -eq 0 ] || failed_layers+=("integration$suffix")
    [ $((status & 2)) -eq 0 ] || failed_layers+=("end-to-end$suffix")
}

# shellcheck source=scripts/wine-probe.sh
source scripts/wine-probe.sh
mapfile -t plan < <(korvex_wine_plan)
for line in "${plan[@]}"; do
    read -r arch verdict why <<<"$line"
    if [ "$verdict" = run ]; then
        run_wine_layers "$arch" "$why"
    fi
done

echo "== 4. package"
bash tests/package/run.sh </dev/null || failed_layers+=(package)

if [ "${#failed_layers[@]}" -gt 0 ]; then
    echo "test: FAILED: ${failed_layers[*]} ($SECONDS s)"
    exit 1
fi
echo "test: all layers passed ($SECONDS s)"
exit 0
}
