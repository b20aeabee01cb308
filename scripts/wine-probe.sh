# shellcheck shell=bash
# Sourced, not run: which Wine this host can run, and which builds the test
# layers run under Wine. scripts/wine-env.sh, scripts/test.sh and
# tests/package/run.sh ask it; nothing is started.

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

# Which builds the Wine layers of scripts/test.sh run here, one line per
# build: "32 run WHY", or "32 skip WHY" for one that is built but not run
# (and the same for 64). The i686 build runs where the host runs 32-bit code,
# the x86_64 build where it runs none; under CI (CI=true) and for a release
# (KORVEX_RELEASE=1, which scripts/package.sh sets) a host that runs both
# runs both, so that neither rots unseen and a release ships none that its
# tests could have started and did not. KORVEX_WINE_ARCH=32 or 64 forces one.
korvex_wine_plan() {
    case "${KORVEX_WINE_ARCH:-}" in
    32)
        echo "32 run KORVEX_WINE_ARCH=32 forces it"
        echo "64 skip KORVEX_WINE_ARCH=32 forces the i686 build"
        ;;
    64)
        if korvex_host_runs_32bit; then
            echo "32 skip KORVEX_WINE_ARCH=64 forces the x86_64 build"
        else
            echo "32 skip $KORVEX_NO_32BIT_WHY"
        fi
        echo "64 run KORVEX_WINE_ARCH=64 forces it"
        ;;
    *)
        if ! korvex_host_runs_32bit; then
            echo "32 skip $KORVEX_NO_32BIT_WHY"
            echo "64 run $KORVEX_NO_32BIT_WHY"
        elif [ "${CI:-}" = true ]; then
            echo "32 run this host runs 32-bit code"
            echo "64 run CI runs both builds on a host that runs both"
        elif [ "${KORVEX_RELEASE:-}" = 1 ]; then
            echo "32 run this host runs 32-bit code"
            echo "64 run a release runs both builds on a host that runs both, as CI does"
        else
            echo "32 run this host runs 32-bit code"
            echo "64 skip outside CI and a release a host that runs 32-bit code runs the i686 build"
        fi
        ;;
    esac
}
