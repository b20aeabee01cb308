// Code page 932 text in the other encodings, converted by iconv: what the
// search tests compare the pattern builder and the scan against.
#ifndef KORVEX_CONVERTED_TEXT_H
#define KORVEX_CONVERTED_TEXT_H

#include "search/search_pattern.h"

#include <iconv.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

// The text in encoding, a SearchEncoding other than ENCODING_ALL.
inline std::vector<unsigned char> Encoded(const std::string &text, int encoding)
{
    static const char *const names[] = {"CP932", "UTF-8", "UTF-16LE", "UTF-16BE"};
    static iconv_t converters[4] = {iconv_open(names[0], "CP932"), iconv_open(names[1], "CP932"),
                                    iconv_open(names[2], "CP932"), iconv_open(names[3], "CP932")};
    char out[4 * SEARCH_PATTERN_CAPACITY];
    char *in = const_cast<char *>(text.data());
    size_t inLeft = text.size(), outLeft = sizeof out;
    char *next = out;
    if (iconv(converters[encoding], &in, &inLeft, &next, &outLeft) == (size_t)-1)
        return {};
    return std::vector<unsigned char>(out, next);
}

// The pattern builder's conversion: 0 for text that is no code page 932.
inline uint32_t ConvertedWide(const char *text, uint32_t length, uint16_t *wide,
                              uint32_t capacity)
{
    std::vector<unsigned char> units = Encoded(std::string(text, length), ENCODING_UTF16LE);
    uint32_t count = (uint32_t)units.size() / 2;
    if (count > capacity)
        return 0;
    for (uint32_t i = 0; i < count; i++)
        wide[i] = (uint16_t)(units[2 * i] | units[2 * i + 1] << 8);
    return count;
}

#endif
