# shellcheck shell=bash
# Sourced, not run: prepares Wine for running Korvex and its Windows tests.
#
#   source scripts/wine-env.sh      # Wine, prefix, locale, display, wineserver
#   wine "$KORVEX_WIN_BUILD/Korvex.exe"
#   korvex_wine_stop                # ends what sourcing started
#
# Which Wine: 32-bit Wine runs the i686 build (build/win32, the product)
# where the host runs 32-bit x86 code; where it runs none (32-bit Wine
# cannot even start), 64-bit Wine runs the x86_64 build of the same sources
# (build/win64). KORVEX_WINE_ARCH=32 or 64 forces the choice. Sourcing
# prints one line naming the choice and why, and exports KORVEX_WINE_ARCH
# (32 or 64), KORVEX_WIN_BUILD (the build folder) and KORVEX_WINE_LABEL
# (the choice in words, for summary lines).
#
# The prefix is private to this work tree and Wine (build/wineprefix or
# build/wineprefix64, or $KORVEX_WINEPREFIX), so a clean clone makes its own
# and a user's own Wine set-up is never touched. The Wine commands run in the
# Japanese locale through wrappers beside the prefix (build/wineprefix-bin),
# first in PATH.
# When DISPLAY is unset or unreachable, or KORVEX_PRIVATE_DISPLAY is set (the
# tests: their windows and keystrokes stay off the user's screen), a private
# Xvfb is started and KORVEX_XVFB_PID set.
# Sourcing fails (returns non-zero) when Wine cannot start.

KORVEX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KORVEX_ROOT

korvex_wine_log() {
    echo "wine-env: $*" >&2
}

# shellcheck source=scripts/wine-probe.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-probe.sh" || return 1

# Sets KORVEX_WINE_ARCH, KORVEX_WIN_BUILD and KORVEX_WINE_LABEL; fails when
# the forced Wine cannot run here.
korvex_choose_wine() {
    local why
    case "${KORVEX_WINE_ARCH:-}" in
    32)
        if ! korvex_host_runs_32bit; then
            korvex_wine_log "KORVEX_WINE_ARCH=32, but $KORVEX_NO_32BIT_WHY: use KORVEX_WINE_ARCH=64"
            return 1
        fi
        why="${KORVEX_WINE_WHY:-KORVEX_WINE_ARCH=32 forces it}"
        ;;
    64)
        why="${KORVEX_WINE_WHY:-KORVEX_WINE_ARCH=64 forces it}"
        ;;
    "")
        # The first build the test layers run here.
        read -r KORVEX_WINE_ARCH _ why < <(korvex_wine_plan | grep -m1 '^[0-9]* run ')
        ;;
    *)
        korvex_wine_log "KORVEX_WINE_ARCH is \"$KORVEX_WINE_ARCH\": 32, 64 or unset"
        return 1
        ;;
    esac
    if [ "$KORVEX_WINE_ARCH" = 32 ]; then
        KORVEX_WIN_BUILD="$KORVEX_ROOT/build/win32"
        KORVEX_WINE_LABEL="i686 build, 32-bit Wine: $why"
    else
        if [ ! -x "$KORVEX_WINE64_LOADER" ]; then
            korvex_wine_log "64-bit Wine is not installed (run scripts/setup.sh)"
            return 1
        fi
        KORVEX_WIN_BUILD="$KORVEX_ROOT/build/win64"
        KORVEX_WINE_LABEL="x86_64 build, 64-bit Wine: $why"
    fi
    export KORVEX_WINE_ARCH KORVEX_WIN_BUILD KORVEX_WINE_LABEL
    korvex_wine_log "$KORVEX_WINE_LABEL"
}

korvex_choose_wine || return 1

if [ "$KORVEX_WINE_ARCH" = 32 ]; then
    export WINEPREFIX="${KORVEX_WINEPREFIX:-$KORVEX_ROOT/build/wineprefix}"
    export WINEARCH=win32
else
    export WINEPREFIX="${KORVEX_WINEPREFIX:-$KORVEX_ROOT/build/wineprefix64}"
    export WINEARCH=win64
fi
export WINEDEBUG=-all
# No Mono or Gecko installers, and no debugger: a crash must fail, not hang.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

KORVEX_XVFB_PID=""
KORVEX_WINESERVER_STARTED=""
KORVEX_WATCH_PID=""

# Registry settings: the two Japanese faces the dialogs and columns ask for
# map to the installed IPA fonts. No window manager runs under Xvfb, so Wine
# draws captions itself, and its windows are unmanaged: hiding or destroying
# a managed window waits two seconds for a window manager that never answers.
korvex_wine_registry() {
    printf '%s\r\n' \
        'Windows Registry Editor Version 5.00' \
        '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"ＭＳ ゴシック"="IPAGothic"' \
        '"ＭＳ 明朝"="IPAMincho"' \
        '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
        '"Decorated"="N"' \
        '"Managed"="N"' \
        ''
}

# Wine draws the caption buttons and other frame glyphs with Marlett, which
# Debian ships (fonts-wine) outside the prefix's reach; without it they
# show as "0 1 r".
korvex_wine_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
}

korvex_wine_prefix() {
    local stamp wanted
    wanted="$(korvex_wine_registry | md5sum | cut -d' ' -f1)"
    stamp="$WINEPREFIX/.korvex-registry"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
        return 0
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        korvex_wine_log "creating the Wine prefix $WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        wineboot -i >/dev/null 2>&1 || { korvex_wine_log "wineboot failed"; return 1; }
        # Nobody else uses a new prefix: waiting for its server cannot hang.
        wineserver -w
    fi
    # regedit reads non-ASCII names only from a UTF-16LE file with a BOM.
    local reg="$WINEPREFIX/drive_c/korvex-settings.reg"
    { printf '\xff\xfe'; korvex_wine_registry | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    wine regedit /S 'C:\korvex-settings.reg' >/dev/null 2>&1 \
        || { korvex_wine_log "regedit failed"; return 1; }
    echo "$wanted" >"$stamp"
}

# A Wine process takes its ANSI code page from its locale: ja_JP gives 932.
# Only the Wine processes are given that locale, by wrappers of the Wine
# commands put first in PATH, so that every "wine ..." gets it, in the
# background too. The sourcing shell keeps its own: one that was already
# running when setup generated ja_JP cannot load it, and bash warns when
# LC_ALL names a locale it cannot load.
KORVEX_WINE_LOCALE=ja_JP.UTF-8
KORVEX_WINE_BIN="$WINEPREFIX-bin"

# The first TOOL in PATH that is not such a wrapper.
korvex_real_tool() {
    local candidate
    while read -r candidate; do
        grep -q korvex-wine-wrapper "$candidate" 2>/dev/null || { echo "$candidate"; return 0; }
    done < <(type -aP "$1")
    return 1
}

# The command a wrapper runs for TOOL, quoted. 64-bit Wine's tools run
# through its own loader: Debian's commands would pick the 32-bit one.
korvex_wine_tool_command() {
    local real
    if [ "$KORVEX_WINE_ARCH" = 64 ]; then
        case "$1" in
        wine) printf '%q' "$KORVEX_WINE64_LOADER"; return 0 ;;
        wineboot | winepath) printf '%q %q' "$KORVEX_WINE64_LOADER" "$1.exe"; return 0 ;;
        esac
    fi
    real="$(korvex_real_tool "$1")" || return 1
    printf '%q' "$real"
}

korvex_wine_wrappers() {
    local tool command wrapper
    mkdir -p "$KORVEX_WINE_BIN" || return 1
    for tool in wine wineboot winepath wineserver; do
        command="$(korvex_wine_tool_command "$tool")" || { korvex_wine_log "$tool is not installed"; return 1; }
        wrapper="$(printf '#!/bin/sh\n# korvex-wine-wrapper (scripts/wine-env.sh): %s in the Japanese locale.\nexport LANG=%s LC_ALL=%s\nexec %s "$@"\n' \
            "$tool" "$KORVEX_WINE_LOCALE" "$KORVEX_WINE_LOCALE" "$command")"
        if [ "$(cat "$KORVEX_WINE_BIN/$tool" 2>/dev/null)" != "$wrapper" ]; then
            # Renamed into place: another shell may be running the old one.
            printf '%s\n' "$wrapper" >"$KORVEX_WINE_BIN/$tool.new" \
                && chmod 755 "$KORVEX_WINE_BIN/$tool.new" \
                && mv -f "$KORVEX_WINE_BIN/$tool.new" "$KORVEX_WINE_BIN/$tool" || return 1
        fi
    done
    case ":$PATH:" in
    *":$KORVEX_WINE_BIN:"*) ;;
    *) export PATH="$KORVEX_WINE_BIN:$PATH" ;;
    esac
}

korvex_display_reachable() {
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

# Starts Xvfb on a free display, letting the server pick the number.
korvex_start_xvfb() {
    local numfile display
    numfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    KORVEX_XVFB_PID=$!
    for _ in $(seq 100); do
        if [ -s "$numfile" ]; then
            break
        fi
        if ! kill -0 "$KORVEX_XVFB_PID" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [ ! -s "$numfile" ]; then
        rm -f "$numfile"
        korvex_wine_log "Xvfb did not start"
        KORVEX_XVFB_PID=""
        return 1
    fi
    display="$(tr -d '[:space:]' <"$numfile")"
    export DISPLAY=":$display"
    rm -f "$numfile"
    korvex_display_reachable || { korvex_wine_log "Xvfb on $DISPLAY is not reachable"; return 1; }
}

# Ends what sourcing started once the shell that sourced this file is gone,
# for shells that end without calling korvex_wine_stop.
korvex_watch_shell() {
    local shell_pid=$$ xvfb="$KORVEX_XVFB_PID" server="$KORVEX_WINESERVER_STARTED"
    [ -n "$xvfb$server" ] || return 0
    (
        while kill -0 "$shell_pid" 2>/dev/null; do
            sleep 2
        done
        if [ -n "$server" ]; then
            wineserver -k
        fi
        if [ -n "$xvfb" ]; then
            kill "$xvfb"
        fi
    ) </dev/null >/dev/null 2>&1 &
    KORVEX_WATCH_PID=$!
    disown "$KORVEX_WATCH_PID" 2>/dev/null || true
}

# Ends what sourcing started: the wine processes of the prefix (with the
# kept-alive wineserver) and the private Xvfb.
korvex_wine_stop() {
    if [ -n "$KORVEX_WATCH_PID" ]; then
        kill "$KORVEX_WATCH_PID" 2>/dev/null || true
        KORVEX_WATCH_PID=""
    fi
    if [ -n "$KORVEX_WINESERVER_STARTED" ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        KORVEX_WINESERVER_STARTED=""
    fi
    if [ -n "$KORVEX_XVFB_PID" ]; then
        kill "$KORVEX_XVFB_PID" 2>/dev/null || true
        wait "$KORVEX_XVFB_PID" 2>/dev/null || true
        KORVEX_XVFB_PID=""
    fi
}

korvex_wine_start() {
    command -v wine >/dev/null || { korvex_wine_log "wine is not installed (run scripts/setup.sh)"; return 1; }
    locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' \
        || { korvex_wine_log "the ja_JP.UTF-8 locale is missing (run scripts/setup.sh)"; return 1; }
    korvex_wine_wrappers || { korvex_wine_log "cannot write the Wine wrappers in $KORVEX_WINE_BIN"; return 1; }
    # The display comes first: Wine's desktop process, started with the
    # prefix's first program, stays bound to the display it found.
    if [ -n "${KORVEX_PRIVATE_DISPLAY:-}" ] || ! korvex_display_reachable; then
        korvex_start_xvfb || return 1
    fi
    korvex_wine_prefix || return 1
    korvex_wine_fonts
    # A server that outlives its last client by some seconds spares each
    # following wine start the server's and the services' start-up. Not
    # forever: a later "wineserver -w" would then never return. Starting it
    # fails when a server of this prefix already runs; that one is left alone.
    if wineserver -p10 2>/dev/null; then
        KORVEX_WINESERVER_STARTED=1
    fi
    local answer
    answer="$(wine cmd /c echo korvex-ready 2>/dev/null | tr -d '\r')" || true
    if [ "$answer" != "korvex-ready" ]; then
        korvex_wine_log "Wine cannot run programs in $WINEPREFIX"
        korvex_wine_stop
        return 1
    fi
    korvex_watch_shell
}

korvex_wine_start || { korvex_wine_stop; return 1; }
