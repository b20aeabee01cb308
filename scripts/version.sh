# shellcheck shell=bash
# Sourced, not run: the version defined once in src/res/version.h, for the
# scripts and tests. KORVEX_VERSION is its text, major "." minor patch with
# one digit each ("1.05"); KORVEX_VERSION_NUMBERS the version resource's four
# numbers ("1.0.5.0").

read -r KORVEX_VERSION KORVEX_VERSION_NUMBERS < <(awk '
    $1 == "#define" && $2 ~ /^KORVEX_VERSION_(MAJOR|MINOR|PATCH)$/ { n[$2] = $3 }
    END {
        major = n["KORVEX_VERSION_MAJOR"]; minor = n["KORVEX_VERSION_MINOR"]; patch = n["KORVEX_VERSION_PATCH"]
        printf "%d.%d%d %d.%d.%d.0\n", major, minor, patch, major, minor, patch
    }' "$(dirname "${BASH_SOURCE[0]}")/../src/res/version.h")
