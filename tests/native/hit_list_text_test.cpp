#include "search/hit_list_text.h"

#include <gtest/gtest.h>

namespace {

TEST(HitListText, CaptionsAndRows)
{
    const struct {
        int state;
        uint64_t count;
        uint32_t percent;
        const char *caption;
    } cases[] = {
        {HITS_RUNNING, 0, 0, "検索結果 (0%)"},
        {HITS_RUNNING, 99999, 37, "検索結果 (37%)"},
        {HITS_RUNNING, 100000, 37, "検索結果 (100,000 件以上) (37%)"},
        {HITS_RUNNING, 123456789, 99, "検索結果 (100,000 件以上) (99%)"},
        {HITS_DONE, 0, 100, "検索結果 (0 件)"},
        {HITS_DONE, 999, 100, "検索結果 (999 件)"},
        {HITS_DONE, 1234, 100, "検索結果 (1,234 件)"},
        {HITS_DONE, 4294967296ull, 100, "検索結果 (4,294,967,296 件)"},
        {HITS_STOPPED, 12, 40, "検索結果 (12 件以上)"},
        {HITS_STOPPED, 100000, 40, "検索結果 (100,000 件以上)"},
    };
    for (const auto &c : cases) {
        char caption[HIT_CAPTION_SIZE];
        HitListCaption(caption, c.state, c.count, c.percent);
        EXPECT_STREQ(caption, c.caption);
    }
    char row[HIT_ROW_SIZE];
    HitRowText(row, 0x3FF12345678ull, NULL);
    EXPECT_STREQ(row, "000003FF 12345678");
    HitRowText(row, 0xFFFFFFFFFFFFFFFFull, "UTF-16LE");
    EXPECT_STREQ(row, "FFFFFFFF FFFFFFFF  UTF-16LE");
}

}  // namespace
