#include "search/search_filter.h"
#include "search/search_progress.h"
#include "search/search_scan.h"

#include "converted_text.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

bool operator==(const SearchHit &a, const SearchHit &b)
{
    return a.offset == b.offset && a.length == b.length && a.encoding == b.encoding;
}

namespace {

typedef std::vector<unsigned char> Bytes;

// The pattern of exactly these bytes (none zero): a Shift-JIS string.
SearchPattern Exact(const Bytes &bytes)
{
    SearchPattern pattern;
    std::string text(bytes.begin(), bytes.end());
    EXPECT_TRUE(StringSearchPattern(text.c_str(), ENCODING_SHIFT_JIS, 0, nullptr, &pattern));
    return pattern;
}

// What stands at position i, by plain comparison: of the variants whose
// every byte matches under its mask, the longest, the first encoding of
// the list among equals. 0 when none.
int ReferenceAt(const Bytes &file, uint64_t i, const SearchPattern &pattern, SearchHit *hit)
{
    int found = 0;
    for (uint32_t k = 0; k < pattern.count; k++) {
        const SearchVariant &v = pattern.variants[k];
        if (i + v.length > file.size())
            continue;
        uint32_t b = 0;
        while (b < v.length && (file[i + b] & v.mask[b]) == v.value[b])
            b++;
        if (b == v.length && (!found || v.length > hit->length ||
                              (v.length == hit->length && v.encoding < hit->encoding))) {
            *hit = SearchHit{i, v.length, v.encoding};
            found = 1;
        }
    }
    return found;
}

// The first hit at or after start.
int Reference(const Bytes &file, uint64_t start, const SearchPattern &pattern, SearchHit *hit)
{
    for (uint64_t i = start; i < file.size(); i++) {
        if (ReferenceAt(file, i, pattern, hit))
            return 1;
    }
    return 0;
}

// The search as its steps walk the file: through search views of viewWindows
// windows (the last one of the file shorter), each a heap block of exactly
// its bytes so that a read past the view trips the address sanitizer, with
// the start anywhere inside a view. With every, it goes on past each hit, as
// the list of all hits does, and gathers them there.
int SearchThroughViews(const Bytes &file, uint32_t windowSize, uint32_t viewWindows,
                       uint64_t line, uint32_t column, const SearchPattern &pattern,
                       SearchHit *hit, std::vector<SearchHit> *every = nullptr)
{
    unsigned char carry[SEARCH_PATTERN_CAPACITY];
    uint32_t carryCount = 0;
    uint64_t position = line * 16 + column;
    Bytes view;
    uint64_t viewOffset = 0;
    uint32_t viewBytes = 0;
    while (position < file.size()) {
        if (carryCount == 0)
            NormaliseSearchStart(&line, &column, windowSize, file.size());
        WindowSpan span;
        uint64_t windowOffset = 0;
        if (!LocateInSearchBuffer(line, windowSize, file.size(), viewOffset, viewBytes, &span,
                                  &windowOffset)) {
            viewOffset = windowOffset;
            viewBytes = SearchBufferLength(windowOffset, viewWindows, windowSize, file.size());
            view = Bytes(file.begin() + (ptrdiff_t)viewOffset,
                         file.begin() + (ptrdiff_t)(viewOffset + viewBytes));
            if (!LocateInSearchBuffer(line, windowSize, file.size(), viewOffset, viewBytes, &span,
                                      &windowOffset)) {
                ADD_FAILURE() << "a new view does not hold line " << line;
                return -1;
            }
        }
        if (ScanSearchStep(&pattern, carry, &carryCount, view.data() + span.offsetInWindow,
                           span.bytesAfter, file.size(), &line, &column, &position, hit)) {
            if (!every)
                return 1;
            every->push_back(*hit);
        }
    }
    return 0;
}

// Chooses the candidate filters in turn, each that this processor runs.
void UseFilter(int round)
{
    int filter = round % SCAN_FILTER_COUNT;
    while (!UseScanFilter(filter))
        filter--;
}

// Every case runs on every candidate filter and on views of one window and
// of several.
const uint32_t VIEW_WINDOWS[] = {1, 3, 64};

int Search(const Bytes &file, uint32_t windowSize, uint64_t line, uint32_t column,
           const Bytes &pattern, uint64_t *hit)
{
    int result = -1;
    for (int filter = 0; filter < SCAN_FILTER_COUNT; filter++) {
        UseFilter(filter);
        for (uint32_t windows : VIEW_WINDOWS) {
            SearchHit found = {0, 0, 0};
            int each = SearchThroughViews(file, windowSize, windows, line, column, Exact(pattern),
                                          &found);
            if (result == -1) {
                result = each;
                *hit = found.offset;
            }
            EXPECT_EQ(each, result) << "filter " << filter << ", views of " << windows;
            if (each == 1 && result == 1) {
                EXPECT_EQ(found.offset, *hit) << "filter " << filter << ", views of " << windows;
            }
        }
    }
    UseScanFilter(BestScanFilter());
    return result;
}

// A file of up to maxSize bytes from a small alphabet, so that matches
// overlap, and a pattern of up to 127 bytes copied from it at the offset
// returned (running past its end), now and then with one byte changed.
uint64_t RandomCase(std::mt19937 &random, uint32_t maxSize, Bytes *file, Bytes *pattern)
{
    uint32_t alphabet = 2 + random() % 3;
    uint64_t size = 1 + random() % maxSize;
    file->resize(size);
    for (unsigned char &b : *file)
        b = (unsigned char)('a' + random() % alphabet);
    uint32_t length = 1 + random() % (random() % 4 == 0 ? 127 : 12);
    pattern->resize(length);
    uint64_t from = random() % size;
    for (uint32_t i = 0; i < length; i++)
        (*pattern)[i] = from + i < size ? (*file)[from + i] : (unsigned char)('a' + random() % alphabet);
    if (random() % 3 == 0)
        (*pattern)[random() % length] = (unsigned char)('a' + random() % alphabet);
    return from;
}

// Both candidate filters, views of one to five windows, so that every carry
// and boundary between windows and between views comes up.
TEST(SearchScan, AgreesWithPlainComparisonOnRandomFiles)
{
    std::mt19937 random(20240611);
    const uint32_t windowSizes[] = {16, 32, 48, 64, 112, 256, 1024, 4096};
    int hits = 0, misses = 0;
    for (int round = 0; round < 8000; round++) {
        UseFilter(round);
        uint32_t viewWindows = 1 + random() % 5;
        Bytes file, pattern;
        RandomCase(random, round % 4 == 0 ? 5000 : 700, &file, &pattern);
        uint64_t size = file.size();
        uint32_t length = (uint32_t)pattern.size();

        uint32_t windowSize = random() % 5 == 0 ? (uint32_t)size : windowSizes[random() % 8];
        uint64_t start = random() % (size + 1);
        // The page's top line lies up to 47 lines above the caret's line.
        uint64_t line = start / 16;
        line -= random() % 48 < line ? random() % 48 % (line + 1) : line;
        uint32_t column = (uint32_t)(start - line * 16);

        SCOPED_TRACE(testing::Message() << "round " << round << " size " << size << " window "
                                        << windowSize << " view of " << viewWindows
                                        << " pattern " << length << " start " << start);
        SearchHit expected = {0, 0, 0}, found = {0, 0, 0};
        int expectedHit = Reference(file, start, Exact(pattern), &expected);
        ASSERT_EQ(SearchThroughViews(file, windowSize, viewWindows, line, column, Exact(pattern),
                                     &found),
                  expectedHit);
        if (expectedHit) {
            ASSERT_EQ(found.offset, expected.offset);
            hits++;
        } else {
            misses++;
        }
    }
    EXPECT_GT(hits, 2000);
    EXPECT_GT(misses, 600);
    UseScanFilter(BestScanFilter());
}

// Long patterns made of partial matches, placed across every window end.
TEST(SearchScan, LongPatternsAcrossWindowEnds)
{
    for (uint32_t windowSize : {16u, 64u, 128u, 256u}) {
        for (uint32_t length : {2u, 17u, 64u, 65u, 127u}) {
            Bytes pattern(length, 'a');
            pattern[length - 1] = 'b';
            for (uint64_t at = 0; at + length <= 1024; at += 7) {
                Bytes file(1024, 'a');  // every position a partial match
                file[at + length - 1] = 'b';
                uint64_t found = 0;
                ASSERT_EQ(Search(file, windowSize, 0, 0, pattern, &found), 1)
                    << windowSize << " " << length << " " << at;
                ASSERT_EQ(found, at);
            }
        }
    }
}

TEST(SearchScan, TwoBytesAcrossAWindowBoundary)
{
    Bytes file(4096, 0);
    file[1023] = 0x4D;
    file[1024] = 0x5A;
    Bytes pattern = {0x4D, 0x5A};
    uint64_t found = 0;
    ASSERT_EQ(Search(file, 1024, 0, 5, pattern, &found), 1);
    EXPECT_EQ(found, 1023u);
}

TEST(SearchScan, PatternAtAWindowsFirstByteFromAnEarlierWindow)
{
    Bytes file(4096, 0);
    memcpy(file.data() + 2048, "MZ\x90", 3);
    Bytes pattern = {'M', 'Z', 0x90};
    uint64_t found = 0;
    ASSERT_EQ(Search(file, 1024, 10, 0, pattern, &found), 1);
    EXPECT_EQ(found, 2048u);
}

TEST(SearchScan, PartialMatchAtTheEndOfTheFileIsNotFound)
{
    Bytes file(1000, 'x');
    memcpy(file.data() + 997, "abc", 3);
    uint64_t found = 0;
    Bytes pattern = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(Search(file, 1024, 0, 0, pattern, &found), 0);
    EXPECT_EQ(Search(file, 16, 0, 0, pattern, &found), 0);
    EXPECT_EQ(Search(file, 1000, 0, 0, pattern, &found), 0);
    Bytes tail = {'b', 'c'};
    ASSERT_EQ(Search(file, 16, 0, 0, tail, &found), 1);
    EXPECT_EQ(found, 998u);
}

TEST(SearchScan, CaretPastTheEndFindsNothing)
{
    Bytes file(100, 'a');
    Bytes pattern = {'a'};
    uint64_t found = 0;
    EXPECT_EQ(Search(file, 100, 2, 68, pattern, &found), 0);  // byte 100
    EXPECT_EQ(Search(file, 16, 0, 100, pattern, &found), 0);
    ASSERT_EQ(Search(file, 16, 0, 99, pattern, &found), 1);
    EXPECT_EQ(found, 99u);
}

TEST(SearchScan, HitOnTheCaretsOwnByteAndOverlappingRepeats)
{
    Bytes file(64, 0);
    file[20] = file[21] = file[22] = 0xAA;
    Bytes pattern = {0xAA, 0xAA};
    uint64_t found = 0;
    ASSERT_EQ(Search(file, 16, 1, 4, pattern, &found), 1);
    EXPECT_EQ(found, 20u);
    ASSERT_EQ(Search(file, 16, 1, 5, pattern, &found), 1);
    EXPECT_EQ(found, 21u);
    EXPECT_EQ(Search(file, 16, 1, 6, pattern, &found), 0);
}

// A page straddling two windows with the caret's byte in the later one:
// nothing before the caret is reported, and the caret's byte is found.
TEST(SearchScan, CaretInTheNextWindowOfAStraddlingPage)
{
    Bytes file(4096, 0);
    file[1000] = 'Q';       // before the caret, in the first window
    file[1023] = 'Q';       // also before the caret
    file[1050] = 'Q';       // after the second window's start, before the caret
    file[1100] = 'Q';       // the caret's byte
    Bytes pattern = {'Q'};
    uint64_t top = 1000 / 16;  // line 62: the page runs into the second window
    uint64_t found = 0;
    ASSERT_EQ(Search(file, 1024, top, 1100 - top * 16, pattern, &found), 1);
    EXPECT_EQ(found, 1100u);

    // A match straddling the boundary that starts before the caret is not taken.
    file[1023] = 'R';
    file[1024] = 'S';
    file[1100] = 0;
    file[2000] = 'R';
    file[2001] = 'S';
    Bytes straddle = {'R', 'S'};
    ASSERT_EQ(Search(file, 1024, top, 1030 - top * 16, straddle, &found), 1);
    EXPECT_EQ(found, 2000u);
}

TEST(SearchScan, StartMovesToTheWindowHoldingTheCaretsByte)
{
    struct StartCase {
        uint64_t line;
        uint32_t column;
        uint32_t windowSize;
        uint64_t fileSize;
        uint64_t expectedLine;
        uint32_t expectedColumn;
    };
    const StartCase cases[] = {
        {0, 100, 1024, 4096, 0, 100},        // same window
        {62, 768, 1024, 4096, 64, 736},      // byte 1760 lies in window 1
        {62, 31, 1024, 4096, 62, 31},        // byte 1023: still window 0
        {62, 32, 1024, 4096, 64, 0},         // byte 1024: window 1's first
        {0, 768, 16, 4096, 48, 0},           // small windows: several on
        {0, 770, 32, 4096, 48, 2},
        {62, 768, 1024, 1760, 62, 768},      // at the end of the file: kept
        {0, 99, 100, 100, 0, 99},            // one window, not whole lines
        {4, 700, 65536, 1ull << 40, 4, 700}, // a real window
        {4095 * 4, 767, 65536, 1ull << 40, 4096 * 4, 767 - 64},
    };
    for (const StartCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.line << "+" << c.column << " window " << c.windowSize);
        uint64_t line = c.line;
        uint32_t column = c.column;
        NormaliseSearchStart(&line, &column, c.windowSize, c.fileSize);
        EXPECT_EQ(line, c.expectedLine);
        EXPECT_EQ(column, c.expectedColumn);
    }
}

TEST(SearchScan, OneWindowKeepsTheUntestedTailAsCarry)
{
    const unsigned char window[] = "xxabcab";
    SearchPattern pattern = Exact({'a', 'b', 'c', 'd'});
    unsigned char carry[SEARCH_PATTERN_CAPACITY];
    uint32_t carryCount = 0;
    int64_t offset = 0;
    int variant = 0;
    ASSERT_EQ(ScanSearchWindow(&pattern, carry, &carryCount, window, 7, 0, 0, &offset, &variant),
              0);
    ASSERT_EQ(carryCount, 3u);  // starts 4, 5, 6 were not tested
    EXPECT_EQ(memcmp(carry, "cab", 3), 0);

    const unsigned char next[] = "cdzz";
    ASSERT_EQ(ScanSearchWindow(&pattern, carry, &carryCount, next, 4, 0, 0, &offset, &variant),
              1);
    EXPECT_EQ(offset, -2);

    // Start past every testable position: the tail from the start is kept.
    carryCount = 0;
    ASSERT_EQ(ScanSearchWindow(&pattern, carry, &carryCount, window, 7, 5, 0, &offset, &variant),
              0);
    ASSERT_EQ(carryCount, 2u);
    EXPECT_EQ(memcmp(carry, "ab", 2), 0);

    // Carried positions that fail leave only this window's tail.
    carryCount = 2;
    memcpy(carry, "ab", 2);
    const unsigned char other[] = "zzzzzza";
    ASSERT_EQ(ScanSearchWindow(&pattern, carry, &carryCount, other, 7, 0, 0, &offset, &variant),
              0);
    ASSERT_EQ(carryCount, 3u);
    EXPECT_EQ(memcmp(carry, "zza", 3), 0);
}

// The caption's figure: whole percent of the bytes from the start to the end.
TEST(SearchScan, ProgressIsTheWholePercentFromTheStartToTheEnd)
{
    const struct {
        uint64_t start, reached, size;
        uint32_t percent;
    } cases[] = {
        {0, 0, 1000, 0},
        {0, 370, 1000, 37},
        {0, 379, 1000, 37},
        {500, 685, 1000, 37},
        {500, 999, 1000, 99},
        {500, 1000, 1000, 100},
        {1000, 1000, 1000, 100},
        {0, (1ull << 42) - 1, 1ull << 42, 99},
        {1ull << 41, 3ull << 40, 1ull << 42, 50},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SearchPercent(c.start, c.reached, c.size), c.percent)
            << c.start << " " << c.reached << " " << c.size;
    }
}

}  // namespace

// Every start position, overlapping ones too, in order, through views of one
// window and of several, on both filters.
TEST(SearchScan, GoingOnPastEachHitFindsEveryOccurrence)
{
    std::mt19937 random(7);
    for (int round = 0; round < 1500; round++) {
        UseFilter(round);
        uint64_t size = 1 + random() % 600;
        Bytes file(size);
        for (unsigned char &b : file)
            b = (unsigned char)('a' + random() % 2);
        Bytes pattern(1 + random() % (round % 5 == 0 ? 40 : 4), 'a');
        for (unsigned char &b : pattern)
            b = (unsigned char)('a' + random() % 2);
        std::vector<uint64_t> expected, found;
        for (uint64_t i = 0; i + pattern.size() <= size; i++)
            if (memcmp(file.data() + i, pattern.data(), pattern.size()) == 0)
                expected.push_back(i);
        uint32_t windowSize = 16u << (random() % 4);
        SearchHit hit = {0, 0, 0};
        std::vector<SearchHit> every;
        SearchThroughViews(file, windowSize, 1 + random() % 3, 0, 0, Exact(pattern), &hit, &every);
        for (const SearchHit &each : every)
            found.push_back(each.offset);
        ASSERT_EQ(found, expected) << "round " << round;
    }
    UseScanFilter(BestScanFilter());
}

// The last hit starting before start, by plain comparison.
int ReferenceBackward(const Bytes &file, uint64_t start, const SearchPattern &pattern,
                      SearchHit *hit)
{
    for (uint64_t i = start < file.size() ? start : file.size(); i-- > 0;) {
        if (ReferenceAt(file, i, pattern, hit))
            return 1;
    }
    return 0;
}

// The backward search as its steps walk the file, each chunk a heap block of
// exactly its bytes.
int SearchBackward(const Bytes &file, uint32_t bufferBytes, uint64_t start,
                   const SearchPattern &pattern, SearchHit *hit)
{
    unsigned char carry[SEARCH_PATTERN_CAPACITY];
    uint32_t carryCount = 0;
    uint64_t end = BackwardSearchEnd(start, pattern.longest, file.size());
    while (end > 0) {
        uint64_t chunkStart = BackwardChunkStart(end, bufferBytes);
        Bytes chunk(file.begin() + (ptrdiff_t)chunkStart, file.begin() + (ptrdiff_t)end);
        if (ScanBackwardStep(&pattern, carry, &carryCount, chunk.data(), chunkStart,
                             (uint32_t)chunk.size(), start, &end, hit))
            return 1;
    }
    return 0;
}

// Buffers down to one byte, so that matches cross one or many chunk edges;
// patterns up to the longest; starts anywhere, so that matches end after the
// start point; small alphabets, so that matches overlap.
TEST(SearchScan, BackwardAgreesWithPlainComparison)
{
    std::mt19937 random(25);
    const uint32_t bufferSizes[] = {1, 2, 3, 5, 16, 17, 64, 1000, 4096};
    int hits = 0, misses = 0;
    for (int round = 0; round < 8000; round++) {
        UseFilter(round);
        Bytes file, pattern;
        uint64_t from = RandomCase(random, round % 4 == 0 ? 3000 : 300, &file, &pattern);
        uint64_t size = file.size();
        uint32_t length = (uint32_t)pattern.size();
        uint32_t bufferBytes = bufferSizes[random() % 9];
        uint64_t start = random() % 3 == 0 ? from + 1 + random() % length : random() % (size + 1);
        if (start > size)
            start = size;

        SearchHit expected = {0, 0, 0}, found = {0, 0, 0};
        int expectedHit = ReferenceBackward(file, start, Exact(pattern), &expected);
        ASSERT_EQ(SearchBackward(file, bufferBytes, start, Exact(pattern), &found), expectedHit)
            << "round " << round << " buffer " << bufferBytes << " start " << start;
        if (expectedHit) {
            ASSERT_EQ(found.offset, expected.offset) << "round " << round;
            hits++;
        } else {
            misses++;
        }
    }
    EXPECT_GT(hits, 3000);
    EXPECT_GT(misses, 600);
    UseScanFilter(BestScanFilter());
}

// --- the options ---------------------------------------------------------------

// The code page 932 characters the texts and files below are made of:
// letters of either case, a digit, ア (83 41, its trail byte an A), あ, the
// half-width ｱ and 表 (95 5C).
const char *const CHARACTERS[] = {"a", "B", "0", "\x83\x41", "\x82\xA0", "\xB1", "\x95\x5C"};

// The text's bytes in one of the four encodings, its ASCII letters now and
// then in the other case.
Bytes Flipped(std::mt19937 &random, const std::string &text)
{
    Bytes bytes = Encoded(text, (int)(random() % 4));
    for (unsigned char &b : bytes)
        if (isalpha(b) && random() % 2)
            b ^= 0x20;
    return bytes;
}

// Every option's search, forward from anywhere through views of one window
// or several, going on past each hit, and backward through chunks of any
// size, against plain comparison over random files made of the pattern's own
// characters in all four encodings, either case, with stray bytes between
// them so that UTF-16 stands at odd offsets too.
TEST(SearchScan, EveryOptionAgreesWithPlainComparison)
{
    const struct {
        int encoding;  // ENCODING_COUNT: a hex text with "??"
        int ignoreCase;
    } options[] = {
        {ENCODING_SHIFT_JIS, 0}, {ENCODING_SHIFT_JIS, 1}, {ENCODING_UTF8, 0},
        {ENCODING_UTF8, 1},      {ENCODING_UTF16LE, 0},   {ENCODING_UTF16LE, 1},
        {ENCODING_UTF16BE, 0},   {ENCODING_UTF16BE, 1},   {ENCODING_ALL, 0},
        {ENCODING_ALL, 1},       {ENCODING_COUNT, 0},
    };
    std::mt19937 random(33);
    for (const auto &option : options) {
        int hits = 0;
        for (int round = 0; round < 400; round++) {
            SCOPED_TRACE(testing::Message() << "encoding " << option.encoding << " either case "
                                            << option.ignoreCase << " round " << round);
            UseFilter(round);
            std::string text;
            for (uint32_t n = 1 + random() % 4; n > 0; n--)
                text += CHARACTERS[random() % 7];
            Bytes file;
            for (uint32_t size = 1 + random() % 900; file.size() < size;) {
                Bytes piece = random() % 4 == 0 ? Flipped(random, text)
                                                : Flipped(random, CHARACTERS[random() % 7]);
                if (random() % 3 == 0)
                    piece.push_back((unsigned char)random());
                file.insert(file.end(), piece.begin(), piece.end());
            }
            SearchPattern pattern;
            if (option.encoding == ENCODING_COUNT) {
                // Pairs of the file's own bytes, some in the middle any byte.
                std::string hex;
                uint64_t from = random() % file.size();
                uint32_t pairs = 2 + random() % 6;
                for (uint32_t i = 0; i < pairs; i++) {
                    char pair[4];
                    snprintf(pair, sizeof pair, "%02X ", file[(from + i) % file.size()]);
                    hex += i > 0 && i < pairs - 1 && random() % 3 == 0 ? "?? " : pair;
                }
                ASSERT_TRUE(HexSearchPattern(hex.c_str(), &pattern)) << hex;
            } else {
                ASSERT_TRUE(StringSearchPattern(text.c_str(), option.encoding, option.ignoreCase,
                                                ConvertedWide, &pattern));
            }
            uint64_t start = random() % (file.size() + 1);
            uint32_t windowSize = 16u << (random() % 5);
            SearchHit expected = {0, 0, 0}, found = {0, 0, 0};
            int expectedHit = Reference(file, start, pattern, &expected);
            ASSERT_EQ(SearchThroughViews(file, windowSize, 1 + random() % 3, start / 16,
                                         (uint32_t)(start % 16), pattern, &found),
                      expectedHit)
                << "forward from " << start;
            EXPECT_TRUE(!expectedHit || found == expected);
            hits += expectedHit;

            std::vector<SearchHit> every, expectedEvery;
            SearchThroughViews(file, windowSize, 1 + random() % 3, 0, 0, pattern, &found, &every);
            for (uint64_t i = 0; i < file.size(); i++)
                if (ReferenceAt(file, i, pattern, &expected))
                    expectedEvery.push_back(expected);
            ASSERT_TRUE(every == expectedEvery);

            expectedHit = ReferenceBackward(file, start, pattern, &expected);
            ASSERT_EQ(SearchBackward(file, 1 + random() % 100, start, pattern, &found), expectedHit)
                << "backward from " << start;
            EXPECT_TRUE(!expectedHit || found == expected);
        }
        EXPECT_GT(hits, 100) << "encoding " << option.encoding;
    }
    UseScanFilter(BestScanFilter());
}
