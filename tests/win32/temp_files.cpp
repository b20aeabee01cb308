#include "temp_files.h"

#include <shlobj.h>
#include <stdio.h>
#include <string.h>
#include <winioctl.h>

std::string MakeTempFolder(void)
{
    char base[MAX_PATH];
    if (GetTempPathA(sizeof base, base) == 0) {
        return "";
    }
    static unsigned serial;
    for (int attempt = 0; attempt < 100; attempt++) {
        char folder[MAX_PATH];
        wsprintfA(folder, "%skorvex-%lu-%u", base, GetCurrentProcessId(), ++serial);
        if (CreateDirectoryA(folder, NULL)) {
            return folder;
        }
    }
    return "";
}

void RemoveTempFolder(const std::string &folder)
{
    if (folder.empty()) {
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string path = folder + "\\" + found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (strcmp(found.cFileName, ".") != 0 && strcmp(found.cFileName, "..") != 0) {
                    RemoveDirectoryA(path.c_str());
                }
                continue;
            }
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

unsigned char PatternByte(uint64_t offset)
{
    uint32_t x = (uint32_t)offset * 2654435761u ^ (uint32_t)(offset >> 16) * 40503u;
    return (unsigned char)(x >> 13);
}

std::vector<unsigned char> PatternBytes(uint64_t offset, size_t count)
{
    std::vector<unsigned char> bytes(count);
    for (size_t i = 0; i < count; i++) {
        bytes[i] = PatternByte(offset + i);
    }
    return bytes;
}

int WriteTestFile(const std::string &path, const unsigned char *bytes, size_t count)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD written = 0;
    BOOL ok = count == 0 || WriteFile(file, bytes, (DWORD)count, &written, NULL);
    CloseHandle(file);
    return ok && written == count;
}

int WritePatternFile(const std::string &path, size_t size)
{
    std::vector<unsigned char> bytes = PatternBytes(0, size);
    return WriteTestFile(path, bytes.data(), bytes.size());
}

int WriteSparseFile(const std::string &path, uint64_t size, const unsigned char *tail,
                    size_t tailCount)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    // Wine may not know the request; the Linux file system leaves holes anyway.
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, NULL, 0, NULL, 0, &returned, NULL);
    LARGE_INTEGER position;
    position.QuadPart = (LONGLONG)(size - tailCount);
    BOOL ok = SetFilePointerEx(file, position, NULL, FILE_BEGIN);
    DWORD written = 0;
    if (ok && tailCount > 0) {
        ok = WriteFile(file, tail, (DWORD)tailCount, &written, NULL) && written == tailCount;
    }
    position.QuadPart = (LONGLONG)size;
    ok = ok && SetFilePointerEx(file, position, NULL, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return ok ? 1 : 0;
}

// The file's allocation size (GetCompressedFileSizeA under Wine gives the
// length instead); the handle shares everything, so an open file can be asked.
uint64_t DiskUsage(const std::string &path)
{
    typedef BOOL(WINAPI * QueryInfo)(HANDLE, int, LPVOID, DWORD);
    struct StandardInfo {
        LARGE_INTEGER allocationSize;
        LARGE_INTEGER endOfFile;
        DWORD numberOfLinks;
        BOOLEAN deletePending;
        BOOLEAN directory;
    } info;
    const int FILE_STANDARD_INFO_CLASS = 1;
    QueryInfo query = (QueryInfo)(void *)GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                        "GetFileInformationByHandleEx");
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (query == NULL || file == INVALID_HANDLE_VALUE) {
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        return ~0ull;
    }
    BOOL ok = query(file, FILE_STANDARD_INFO_CLASS, &info, sizeof info);
    CloseHandle(file);
    return ok ? (uint64_t)info.allocationSize.QuadPart : ~0ull;
}

std::vector<unsigned char> ReadTestFile(const std::string &path, uint64_t offset, size_t count)
{
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    LARGE_INTEGER position;
    position.QuadPart = (LONGLONG)offset;
    bytes.resize(count);
    DWORD read = 0;
    if (!SetFilePointerEx(file, position, NULL, FILE_BEGIN) ||
        !ReadFile(file, bytes.data(), (DWORD)count, &read, NULL)) {
        read = 0;
    }
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

std::string ExpectedHex(const std::vector<unsigned char> &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
        text += ' ';
    }
    return text;
}

std::string ExpectedChars(const std::vector<unsigned char> &bytes)
{
    std::string text;
    for (size_t i = 0; i < bytes.size(); i++) {
        if (i > 0 && i % 16 == 0) {
            text += "\r\n";
        }
        text += bytes[i] >= 0x20 && bytes[i] < 0x7F ? (char)bytes[i] : '.';
    }
    return text;
}

std::string ExpectedAddresses(uint64_t topLine, size_t byteCount)
{
    std::string text;
    for (size_t i = 0; i < byteCount; i += 16) {
        uint64_t offset = topLine * 16 + i;
        char group[32];
        snprintf(group, sizeof group, "%08lX %08lX ", (unsigned long)(offset >> 32),
                 (unsigned long)(offset & 0xFFFFFFFFu));
        text += group;
    }
    return text;
}

int FileIsFree(const std::string &path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    CloseHandle(file);
    return 1;
}

HDROP MakeDrop(const std::vector<std::string> &paths)
{
    size_t listBytes = 1;
    for (const std::string &path : paths) {
        listBytes += path.size() + 1;
    }
    HGLOBAL memory = GlobalAlloc(GHND | GMEM_SHARE, sizeof(DROPFILES) + listBytes);
    if (memory == NULL) {
        return NULL;
    }
    DROPFILES *drop = (DROPFILES *)GlobalLock(memory);
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    char *list = (char *)(drop + 1);
    for (const std::string &path : paths) {
        memcpy(list, path.c_str(), path.size() + 1);
        list += path.size() + 1;
    }
    *list = '\0';
    GlobalUnlock(memory);
    return (HDROP)memory;
}

std::string UnixPath(const std::string &path)
{
    typedef char *(CDECL * UnixFileName)(const WCHAR *);
    UnixFileName unixFileName = (UnixFileName)(void (*)(void))GetProcAddress(
        GetModuleHandleA("kernel32"), "wine_get_unix_file_name");
    WCHAR wide[MAX_PATH];
    if (unixFileName == NULL || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH)) {
        return "";
    }
    char *name = unixFileName(wide);
    if (name == NULL) {
        return "";
    }
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Wine starts a Unix program with a handle that cannot be waited on: the
// command reports its exit status in a file instead.
int RunHostShell(const std::string &command)
{
    char base[MAX_PATH];
    static unsigned serial;
    GetTempPathA(sizeof base, base);
    char status[MAX_PATH];
    wsprintfA(status, "%skorvex-host-%lu-%u", base, GetCurrentProcessId(), ++serial);
    std::string unixStatus = UnixPath(status);
    if (unixStatus.empty()) {
        return 0;
    }
    std::string line = "/bin/sh -c \"(" + command + ") >/dev/null 2>&1; echo $? >" + unixStatus +
                       ".part; mv " + unixStatus + ".part " + unixStatus + "\"";
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::vector<char> writable(line.begin(), line.end());
    writable.push_back('\0');
    if (!CreateProcessA(NULL, writable.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process)) {
        return 0;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int waited = 0; waited < 2000; waited++) {
        std::vector<unsigned char> code = ReadTestFile(status, 0, 4);
        if (!code.empty()) {
            DeleteFileA(status);
            return code[0] == '0' && (code.size() < 2 || code[1] == '\n');
        }
        Sleep(10);
    }
    return 0;
}
