// The benchmarks are given their files' paths in ASCII; the program takes a
// file's name in UTF-16 only, as each of its ways in gives it.
#ifndef KORVEX_BENCH_WIDE_PATH_H
#define KORVEX_BENCH_WIDE_PATH_H

#include <windows.h>

#include <string>

inline std::wstring WidePath(const char *path)
{
    std::wstring wide(lstrlenA(path) + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, path, -1, &wide[0], (int)wide.size());
    wide.resize(length > 0 ? length - 1 : 0);
    return wide;
}

#endif
