# shellcheck shell=bash
# Sourced, not run: the one check that a built Korvex.exe is what a Windows
# user may run as it is, shared by the end-to-end and package layers.

# korvex_gui_program EXE TOOLS FORMAT MAGIC: EXE is a GUI program of that
# file format and optional header magic (TOOLS is the objdump's prefix, i686
# or x86_64) that needs no DLL of its own: it imports Windows system
# libraries only (bcrypt.dll for the checksums' hashes among them). Prints
# what is wrong and fails otherwise.
korvex_gui_program() {
    local exe="$1" dump dll
    dump="$(LC_ALL=C "$2-w64-mingw32-objdump" -p "$exe")" || { echo "cannot read $exe"; return 1; }
    grep -q "file format $3\$" <<<"$dump" || { echo "$exe: not a $3 file"; return 1; }
    grep -q "Magic.*$4" <<<"$dump" || { echo "$exe: magic is not $4"; return 1; }
    grep -q 'Subsystem.*(Windows GUI)' <<<"$dump" || { echo "$exe: not a GUI program"; return 1; }
    while read -r dll; do
        case "${dll^^}" in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | COMDLG32.DLL | SHELL32.DLL | IMM32.DLL | BCRYPT.DLL | MSVCRT.DLL | UCRTBASE.DLL | API-MS-WIN-CRT-*) ;;
        *) echo "$exe imports $dll"; return 1 ;;
        esac
    done < <(awk '/DLL Name:/ { print $3 }' <<<"$dump")
}
