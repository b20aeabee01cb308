#include "file/full_path.h"

#include "file/long_path.h"

int FullExtendedPath(const WCHAR *path, WCHAR *out)
{
    static WCHAR full[PATH_CAPACITY];
    out[0] = L'\0';
    // The length without the terminator, or the room needed with it when
    // the buffer is too small.
    DWORD length = GetFullPathNameW(path, PATH_CAPACITY, full, NULL);
    if (length == 0 || length >= PATH_CAPACITY) {
        return 0;
    }
    return ExtendedPath(full, out, PATH_CAPACITY);
}
