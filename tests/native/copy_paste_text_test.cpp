#include "bytes/copy_format.h"
#include "edit/paste_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Bytes(std::initializer_list<int> values)
{
    std::vector<unsigned char> bytes;
    for (int v : values)
        bytes.push_back((unsigned char)v);
    return bytes;
}

// Parses text, both the sizing pass and the filling pass.
bool Parse(const std::string &text, std::vector<unsigned char> *bytes)
{
    uint64_t count = 0;
    if (!ParsePastedHex(text.data(), text.size(), nullptr, &count))
        return false;
    bytes->assign((size_t)count, 0);
    uint64_t filled = 0;
    EXPECT_EQ(ParsePastedHex(text.data(), text.size(), bytes->data(), &filled), 1);
    EXPECT_EQ(filled, count);
    return true;
}

template <size_t (*Format)(const unsigned char *, uint32_t, char *)>
std::string Formatted(const std::vector<unsigned char> &bytes)
{
    size_t length = Format(bytes.data(), (uint32_t)bytes.size(), nullptr);
    std::string text(length + 1, '?');
    EXPECT_EQ(Format(bytes.data(), (uint32_t)bytes.size(), &text[0]), length);
    EXPECT_EQ(text[length], '\0');
    text.resize(length);
    return text;
}

}  // namespace

TEST(PasteParse, AcceptedFormsAndRefusals)
{
    const struct {
        const char *text;
        bool accepted;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"4D 5A 90 00", true, Bytes({0x4D, 0x5A, 0x90, 0x00})},
        {"4d5a9000", true, Bytes({0x4D, 0x5A, 0x90, 0x00})},
        {" 4D,\t5a\r\n90 ,, 00\n", true, Bytes({0x4D, 0x5A, 0x90, 0x00})},
        {"0x4D, 0XfF,1A2B", true, Bytes({0x4D, 0xFF, 0x1A, 0x2B})},
        {"data[2] = { 0x01, 0x02 }; 0xZZ", true, Bytes({0x01, 0x02})},
        {"", true, Bytes({})},
        {" \r\n,", true, Bytes({})},
        {"4D 5", false, {}},
        {"4D5A9", false, {}},
        {"4D-5A", false, {}},
        {"4G", false, {}},
        {"0x4D5A", false, {}},
        {"0x", false, {}},
        {"0x4", false, {}},
        {"4D 0x 5A", false, {}},
        {"{ 0x01, 0x02", false, {}},
        {"4D\x82\xA0", false, {}},
    };
    for (const auto &c : cases) {
        std::vector<unsigned char> bytes;
        EXPECT_EQ(Parse(c.text, &bytes), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(bytes, c.bytes) << c.text;
        }
    }
}

TEST(CopyFormat, SelectionAndRangeTexts)
{
    const std::vector<unsigned char> four = Bytes({0x4D, 0x5A, 0x7F, 0x00});
    EXPECT_EQ(Formatted<FormatHexCopy>(four), "4D 5A 7F 00");
    EXPECT_EQ(Formatted<FormatCharCopy>(four), "MZ..");
    EXPECT_EQ(Formatted<FormatHexCopy>({}), "");
    EXPECT_EQ(Formatted<FormatHexLines>(four), "4D 5A 7F 00\r\n");
    EXPECT_EQ(Formatted<FormatCArray>(four),
              "unsigned char data[4] = {\r\n    0x4D, 0x5A, 0x7F, 0x00\r\n};\r\n");

    std::vector<unsigned char> seventeen(17);
    for (int i = 0; i < 17; i++)
        seventeen[i] = (unsigned char)(0xF0 + i);
    EXPECT_EQ(Formatted<FormatHexLines>(seventeen),
              "F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF\r\n00\r\n");
    EXPECT_EQ(Formatted<FormatCArray>(seventeen),
              "unsigned char data[17] = {\r\n"
              "    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, "
              "0xFD, 0xFE, 0xFF,\r\n    0x00\r\n};\r\n");
}

// Every copy text pastes back to the bytes it was copied from.
TEST(CopyFormat, CopiesPasteBackToTheSameBytes)
{
    std::vector<unsigned char> all(256 + 33);
    for (size_t i = 0; i < all.size(); i++)
        all[i] = (unsigned char)(i * 7);
    const std::string texts[] = {Formatted<FormatHexCopy>(all), Formatted<FormatHexLines>(all),
                                 Formatted<FormatCArray>(all)};
    for (const std::string &text : texts) {
        std::vector<unsigned char> back;
        ASSERT_TRUE(Parse(text, &back)) << text.substr(0, 40);
        EXPECT_EQ(back, all) << text.substr(0, 40);
    }
}
