// The program's version and publisher, in one place: the version resource's
// numbers and strings and the version dialog's texts are all made from these.
// The text form writes minor and patch as one digit each: 1, 0, 5 is "1.05".
// Read by the resource compiler, and by scripts/version.sh for the scripts
// and tests: the readme's version, the zips' names, the version cases.
#ifndef KORVEX_VERSION_H
#define KORVEX_VERSION_H

#define KORVEX_VERSION_MAJOR 1
#define KORVEX_VERSION_MINOR 0
#define KORVEX_VERSION_PATCH 5

#define KORVEX_PRODUCT "Korvex+"
#define KORVEX_PUBLISHER "Korvex 開発ﾁｰﾑ"

#define KORVEX_STRINGIZE_(x) #x
#define KORVEX_STRINGIZE(x) KORVEX_STRINGIZE_(x)

// FILEVERSION and PRODUCTVERSION: major, minor, patch, build.
#define KORVEX_VERSION_NUMBERS KORVEX_VERSION_MAJOR, KORVEX_VERSION_MINOR, KORVEX_VERSION_PATCH, 0
#define KORVEX_VERSION_TEXT \
    KORVEX_STRINGIZE(KORVEX_VERSION_MAJOR) "." KORVEX_STRINGIZE(KORVEX_VERSION_MINOR) KORVEX_STRINGIZE(KORVEX_VERSION_PATCH)
#define KORVEX_COPYRIGHT "(C) " KORVEX_PUBLISHER

#endif
