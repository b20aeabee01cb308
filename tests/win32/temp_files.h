// Real files for the tests to open: a private folder under the system's temp
// folder, files of known bytes (sparse ones too), and the texts the three
// columns must show for given bytes.
#ifndef KORVEX_TEST_TEMP_FILES_H
#define KORVEX_TEST_TEMP_FILES_H

#include <windows.h>

#include <stdint.h>

#include <string>
#include <vector>

// Creates a fresh folder under GetTempPathA; "" when that fails.
std::string MakeTempFolder(void);
// Deletes the folder's files and the folder (one level, as the tests make).
void RemoveTempFolder(const std::string &folder);

// The byte at a file offset of every patterned test file: no period that
// divides a window, so a page copied from the wrong window shows.
unsigned char PatternByte(uint64_t offset);
std::vector<unsigned char> PatternBytes(uint64_t offset, size_t count);

// Writes the bytes into a new file (replacing one of that name); 1 on success.
int WriteTestFile(const std::string &path, const unsigned char *bytes, size_t count);
int WritePatternFile(const std::string &path, size_t size);
// A file of size bytes that holds nothing but the bytes given at its end:
// sparse, so terabytes cost a few blocks. 1 on success.
int WriteSparseFile(const std::string &path, uint64_t size, const unsigned char *tail,
                    size_t tailCount);
// Bytes the file occupies on the disk.
uint64_t DiskUsage(const std::string &path);
// The bytes at a file offset, read with ordinary file reads.
std::vector<unsigned char> ReadTestFile(const std::string &path, uint64_t offset, size_t count);

// The column texts the bytes of the page at topLine must give, built
// independently of the program's formatting.
std::string ExpectedHex(const std::vector<unsigned char> &bytes);
std::string ExpectedChars(const std::vector<unsigned char> &bytes);
std::string ExpectedAddresses(uint64_t topLine, size_t byteCount);

// The Linux path of a file under Wine; "" elsewhere.
std::string UnixPath(const std::string &path);
// Runs a shell command line (no double quotes in it) on the Linux host, as a
// native program that ignores Windows sharing, and waits up to 20 s for it:
// 1 when it exited 0, 0 when it failed, could not start or is not under Wine.
int RunHostShell(const std::string &command);

// 1 when nothing else holds the file open: it opens with no sharing.
int FileIsFree(const std::string &path);

// A drop handle as the shell makes it: a DROPFILES block with the ANSI paths
// (fWide FALSE), owned by whoever receives it.
HDROP MakeDrop(const std::vector<std::string> &paths);

#endif
