# shellcheck shell=bash
# Sourced, not run: which Wine this host can run. scripts/wine-env.sh and
# scripts/test.sh ask it; nothing is started.

# Debian's loaders. /usr/bin/wine picks the 32-bit one whenever it is
# installed, even where it cannot run, so they are called directly.
KORVEX_WINE32_LOADER=/usr/lib/wine/wine
KORVEX_WINE64_LOADER=/usr/lib/wine/wine64

# Whether this host runs 32-bit x86 code, found by running the 32-bit loader
# (some kernels give user space no 32-bit code segment: every i386 program
# fails with "Exec format error"). 0 yes; 1 no, with the reason in
# KORVEX_NO_32BIT_WHY.
korvex_host_runs_32bit() {
    local answer
    if [ ! -x "$KORVEX_WINE32_LOADER" ]; then
        KORVEX_NO_32BIT_WHY="32-bit Wine is not installed"
        return 1
    fi
    if answer="$("$KORVEX_WINE32_LOADER" --version 2>&1)"; then
        return 0
    fi
    if grep -qi 'exec format error' <<<"$answer"; then
        KORVEX_NO_32BIT_WHY="this host runs no 32-bit code"
    else
        KORVEX_NO_32BIT_WHY="32-bit Wine does not start: $(head -1 <<<"$answer")"
    fi
    return 1
}
