#include "edit/key_filter_rule.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

// The filter's rules restated key by key, without the implementation's
// ranges: what a keystroke should come to. Returns 1 to swallow, else 0
// with *handOn set.
int Expected(int code, uintptr_t vk, int shift, int ctrl, int f3, int focus, int selection,
             int other, uintptr_t *handOn)
{
    if (code < 0 || (focus != 1 && focus != 2) || other) {
        *handOn = vk;
        return 0;
    }
    if (shift) {
        *handOn = vk;
        return !(vk == 0x72 && focus == 1);
    }
    uintptr_t key = vk;
    const uintptr_t keypad[10] = {0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69};
    for (int i = 0; i < 10; ++i) {
        if (vk == keypad[i]) {
            key = (uintptr_t)('0' + i);
        }
    }
    const uintptr_t navigation[9] = {0x25, 0x27, 0x26, 0x28, 0x24, 0x23, 0x1B, 0x21, 0x22};
    int isNavigation = 0;
    for (uintptr_t n : navigation) {
        if (key == n) {
            isNavigation = 1;
        }
    }
    const char *hexDigits = "0123456789ABCDEF";
    int isHexDigit = key != 0 && key < 256 && strchr(hexDigits, (int)key) != nullptr;
    int ctrlFG = ((key == 'F' || key == 'G' || key == 'C' || key == 'V' || key == 'I') && ctrl);

    // The hook reads F3's state as it was before the keystroke: F3's own
    // key-down counts as F3 held.
    int f3Held = f3 || vk == 0x72;
    int admitted = f3Held || ctrlFG || isHexDigit || isNavigation;
    if (!admitted) {
        return 1;
    }
    if (selection && !(f3Held || ctrlFG || isNavigation)) {
        return 1;
    }
    *handOn = key;
    return 0;
}

TEST(KeyFilterRule, WholeKeySpaceMatchesTheRules)
{
    const int codes[] = {-1, 0, 3};
    const uintptr_t untouched = 0xBADBAD;
    int checked = 0;
    int mismatches = 0;
    for (int code : codes)
        for (uintptr_t vk = 0; vk < 0x200; ++vk)
            for (int shift = 0; shift < 2; ++shift)
                for (int ctrl = 0; ctrl < 2; ++ctrl)
                    for (int f3 = 0; f3 < 2; ++f3)
                        for (int focus = 0; focus < 4; ++focus)
                            for (int selection = 0; selection < 2; ++selection)
                            for (int other = 0; other < 2; ++other) {
                                KeyFilterInput in = {code, vk, (unsigned char)shift,
                                                     (unsigned char)ctrl, (unsigned char)f3,
                                                     (unsigned char)focus, (unsigned char)selection,
                                                     (unsigned char)other};
                                uintptr_t got = untouched;
                                uintptr_t want = untouched;
                                int swallow = KeyFilterSwallows(&in, &got);
                                int expected = Expected(code, vk, shift, ctrl, f3, focus, selection,
                                                        other, &want);
                                ++checked;
                                if (swallow != expected || (!expected && got != want)) {
                                    if (++mismatches <= 10) {
                                        ADD_FAILURE() << "code " << code << " vk 0x" << std::hex << vk
                                                      << std::dec << " shift " << shift << " ctrl " << ctrl
                                                      << " f3 " << f3 << " focus " << focus << " selection "
                                                      << selection << " other " << other << ": swallow " << swallow << " handOn 0x"
                                                      << std::hex << got;
                                    }
                                }
                            }
    EXPECT_EQ(checked, 3 * 512 * 2 * 2 * 2 * 4 * 2 * 2);
    EXPECT_EQ(mismatches, 0);
}

struct NamedCase {
    const char *name;
    uintptr_t vk;
    int shift, ctrl, f3, focus, selection;
    int swallow;
    uintptr_t handOn;
    int other = 0;  // the focus lies in another top-level window
};

TEST(KeyFilterRule, NamedKeys)
{
    const NamedCase cases[] = {
        // Idle filter (focus in the jump box): everything passes, shifted too.
        {"idle shift+A", 'A', 1, 0, 0, 0, 0, 0, 'A'},
        {"idle tab", 0x09, 0, 0, 0, 0, 0, 0, 0x09},
        {"idle keypad 5 not lowered", 0x65, 0, 0, 0, 0, 1, 0, 0x65},
        // Shift swallows every key in either column, F3 or not, but F3
        // itself in the hex column.
        {"shift+left", 0x25, 1, 0, 0, 1, 0, 1, 0},
        {"shift+digit in char column", '3', 1, 0, 0, 2, 0, 1, 0},
        {"shift with F3 held", 'A', 1, 0, 1, 1, 0, 1, 0},
        {"shift+ctrl+F", 'F', 1, 1, 0, 1, 0, 1, 0},
        // Swallowed outright.
        {"tab", 0x09, 0, 0, 0, 1, 0, 1, 0},
        {"enter", 0x0D, 0, 0, 0, 2, 0, 1, 0},
        {"backspace", 0x08, 0, 0, 0, 1, 0, 1, 0},
        {"delete", 0x2E, 0, 0, 0, 1, 0, 1, 0},
        {"insert", 0x2D, 0, 0, 0, 1, 0, 1, 0},
        {"space", 0x20, 0, 0, 0, 1, 0, 1, 0},
        {"G", 'G', 0, 0, 0, 1, 0, 1, 0},
        {"Z", 'Z', 0, 0, 0, 2, 0, 1, 0},
        {"ctrl+Z", 'Z', 0, 1, 0, 1, 0, 1, 0},
        {"shift key", 0x10, 0, 0, 0, 1, 0, 1, 0},
        {"ctrl key", 0x11, 0, 1, 0, 1, 0, 1, 0},
        {"alt key", 0x12, 0, 0, 0, 1, 0, 1, 0},
        {"F1", 0x70, 0, 0, 0, 1, 0, 1, 0},
        {"F2", 0x71, 0, 0, 0, 1, 0, 1, 0},
        {"F4", 0x73, 0, 0, 0, 2, 0, 1, 0},
        // Passed.
        {"0", '0', 0, 0, 0, 1, 0, 0, '0'},
        {"9", '9', 0, 0, 0, 2, 0, 0, '9'},
        {"A", 'A', 0, 0, 0, 1, 0, 0, 'A'},
        {"F", 'F', 0, 0, 0, 1, 0, 0, 'F'},
        {"ctrl+A", 'A', 0, 1, 0, 1, 0, 0, 'A'},
        {"ctrl+G", 'G', 0, 1, 0, 2, 0, 0, 'G'},
        {"ctrl+V", 'V', 0, 1, 0, 2, 0, 0, 'V'},
        {"V", 'V', 0, 0, 0, 1, 0, 1, 0},
        {"ctrl+I", 'I', 0, 1, 0, 2, 0, 0, 'I'},
        {"I", 'I', 0, 0, 0, 1, 0, 1, 0},
        {"left", 0x25, 0, 0, 0, 1, 0, 0, 0x25},
        {"down", 0x28, 0, 0, 0, 2, 0, 0, 0x28},
        {"home", 0x24, 0, 0, 0, 1, 0, 0, 0x24},
        {"end", 0x23, 0, 1, 0, 1, 0, 0, 0x23},
        {"page up", 0x21, 0, 0, 0, 1, 0, 0, 0x21},
        {"page down", 0x22, 0, 0, 0, 1, 0, 0, 0x22},
        {"esc", 0x1B, 0, 0, 0, 1, 0, 0, 0x1B},
        // Keypad digits are handed on as main-row digits.
        {"keypad 0", 0x60, 0, 0, 0, 1, 0, 0, '0'},
        {"keypad 9", 0x69, 0, 0, 0, 2, 0, 0, '9'},
        {"keypad decimal", 0x6E, 0, 0, 0, 1, 0, 1, 0},
        // A hex selection: no typing over it.
        {"selection: 0", '0', 0, 0, 0, 1, 1, 1, 0},
        {"selection: E", 'E', 0, 0, 0, 1, 1, 1, 0},
        {"selection: F", 'F', 0, 0, 0, 1, 1, 1, 0},
        {"selection: ctrl+F", 'F', 0, 1, 0, 1, 1, 0, 'F'},
        {"selection: ctrl+G", 'G', 0, 1, 0, 1, 1, 0, 'G'},
        {"selection: ctrl+C", 'C', 0, 1, 0, 1, 1, 0, 'C'},
        {"selection: ctrl+V", 'V', 0, 1, 0, 2, 1, 0, 'V'},
        {"selection: ctrl+5", '5', 0, 1, 0, 1, 1, 1, 0},
        {"selection: keypad 4", 0x64, 0, 0, 0, 1, 1, 1, 0},
        {"selection: digit in char column", '4', 0, 0, 0, 2, 1, 1, 0},
        {"selection: left", 0x25, 0, 0, 0, 1, 1, 0, 0x25},
        {"selection: esc", 0x1B, 0, 0, 0, 2, 1, 0, 0x1B},
        // F3 held opens everything but Shift.
        {"F3 held: F3 itself", 0x72, 0, 0, 1, 1, 0, 0, 0x72},
        // F3's own key-down, judged before its state reads down.
        {"F3 key, F3 not reported down", 0x72, 0, 0, 0, 1, 0, 0, 0x72},
        {"F3 key over a selection", 0x72, 0, 0, 0, 2, 1, 0, 0x72},
        {"shift+F3", 0x72, 1, 0, 0, 1, 0, 0, 0x72},
        {"shift+F3 in the char column", 0x72, 1, 0, 0, 2, 0, 1, 0},
        {"F3 held: tab", 0x09, 0, 0, 1, 1, 1, 0, 0x09},
        {"F3 held: backspace", 0x08, 0, 0, 1, 1, 0, 0, 0x08},
        {"F3 held: digit over a selection", '1', 0, 0, 1, 1, 1, 0, '1'},
        {"F3 held: keypad 2 lowered", 0x62, 0, 0, 1, 2, 1, 0, '2'},
        // Typed into a file dialog or a message box after a column was
        // focused: every key is that window's, unaltered.
        {"other window: d", 'D', 0, 0, 0, 1, 0, 0, 'D', 1},
        {"other window: enter", 0x0D, 0, 0, 0, 2, 0, 0, 0x0D, 1},
        {"other window: shift+period", 0xBE, 1, 0, 0, 1, 0, 0, 0xBE, 1},
        {"other window: digit over a hex selection", '4', 0, 0, 0, 1, 1, 0, '4', 1},
        {"other window: keypad 5 not lowered", 0x65, 0, 0, 0, 1, 1, 0, 0x65, 1},
    };
    for (const NamedCase &c : cases) {
        SCOPED_TRACE(c.name);
        KeyFilterInput in = {0, c.vk, (unsigned char)c.shift, (unsigned char)c.ctrl,
                             (unsigned char)c.f3, (unsigned char)c.focus, (unsigned char)c.selection,
                             (unsigned char)c.other};
        uintptr_t handOn = 0xBADBAD;
        EXPECT_EQ(KeyFilterSwallows(&in, &handOn), c.swallow);
        if (!c.swallow) {
            EXPECT_EQ(handOn, c.handOn);
        }
    }
}

TEST(KeyFilterRule, HookCodeBelowZeroPassesUnchanged)
{
    // Even a shifted keypad digit with a selection goes on as it came.
    KeyFilterInput in = {-1, 0x63, 1, 0, 0, 1, 1, 0};
    uintptr_t handOn = 0;
    EXPECT_EQ(KeyFilterSwallows(&in, &handOn), 0);
    EXPECT_EQ(handOn, 0x63u);
    EXPECT_EQ(KeyFilterActive(-1, 1), 0);
    EXPECT_EQ(KeyFilterActive(0, 1), 1);
    EXPECT_EQ(KeyFilterActive(3, 2), 1);
    EXPECT_EQ(KeyFilterActive(0, 3), 0);
    EXPECT_EQ(KeyFilterActive(0, 0), 0);
}


// The hook's way of asking: every fact unknown, each read when asked for.
// Records which facts were read (bits 1 Shift, 2 Ctrl, 4 F3, 8 selection,
// 16 the focus window).
int ResolveLazily(const KeyFilterInput &truth, uintptr_t *handOn, unsigned *read)
{
    KeyFilterInput in = {truth.code, truth.key, KEY_FACT_UNKNOWN, KEY_FACT_UNKNOWN,
                         KEY_FACT_UNKNOWN, truth.editFocus, KEY_FACT_UNKNOWN, KEY_FACT_UNKNOWN};
    *read = 0;
    for (int asked = 0; asked <= 5; ++asked) {
        int verdict = KeyFilterSwallows(&in, handOn);
        unsigned bit = 0;
        switch (verdict) {
        case KEY_FILTER_PASS:
        case KEY_FILTER_SWALLOW:
            return verdict;
        case KEY_FILTER_NEEDS_SHIFT: bit = 1; in.shiftDown = truth.shiftDown; break;
        case KEY_FILTER_NEEDS_CTRL: bit = 2; in.ctrlDown = truth.ctrlDown; break;
        case KEY_FILTER_NEEDS_F3: bit = 4; in.f3Down = truth.f3Down; break;
        case KEY_FILTER_NEEDS_SELECTION: bit = 8; in.hexSelection = truth.hexSelection; break;
        case KEY_FILTER_NEEDS_WINDOW: bit = 16; in.otherWindow = truth.otherWindow; break;
        default: return -100 - verdict;
        }
        if (*read & bit) {
            return -1;  // the same fact asked twice
        }
        *read |= bit;
    }
    return -2;
}

// Reading facts lazily never changes a verdict, and a fact left unread could
// not have changed it either.
TEST(KeyFilterRule, LazyReadingGivesTheSameVerdictsAndSkipsOnlyIdleFacts)
{
    const int codes[] = {-1, 0};
    int mismatches = 0;
    for (int code : codes)
        for (uintptr_t vk = 0; vk < 0x100; ++vk)
            for (unsigned facts = 0; facts < 32; ++facts)
                for (int focus = 0; focus < 3; ++focus) {
                    KeyFilterInput truth = {code, vk, (unsigned char)(facts & 1),
                                            (unsigned char)((facts >> 1) & 1),
                                            (unsigned char)((facts >> 2) & 1), (unsigned char)focus,
                                            (unsigned char)((facts >> 3) & 1),
                                            (unsigned char)((facts >> 4) & 1)};
                    uintptr_t fullHandOn = 0xBADBAD;
                    uintptr_t lazyHandOn = 0xBADBAD;
                    unsigned read = 0;
                    int full = KeyFilterSwallows(&truth, &fullHandOn);
                    int lazy = ResolveLazily(truth, &lazyHandOn, &read);
                    int bad = lazy != full || (!full && lazyHandOn != fullHandOn);
                    for (unsigned bit = 1; bit < 32 && !bad; bit <<= 1) {
                        if (read & bit) {
                            continue;
                        }
                        unsigned flipped = facts ^ bit;
                        KeyFilterInput other = truth;
                        other.shiftDown = (unsigned char)(flipped & 1);
                        other.ctrlDown = (unsigned char)((flipped >> 1) & 1);
                        other.f3Down = (unsigned char)((flipped >> 2) & 1);
                        other.hexSelection = (unsigned char)((flipped >> 3) & 1);
                        other.otherWindow = (unsigned char)((flipped >> 4) & 1);
                        uintptr_t otherHandOn = 0xBADBAD;
                        int verdict = KeyFilterSwallows(&other, &otherHandOn);
                        bad = verdict != full || (!full && otherHandOn != fullHandOn);
                    }
                    if (bad && ++mismatches <= 10) {
                        ADD_FAILURE() << "code " << code << " vk 0x" << std::hex << vk << " facts "
                                      << facts << std::dec << " focus " << focus << ": full " << full
                                      << " lazy " << lazy << " read " << read;
                    }
                }
    EXPECT_EQ(mismatches, 0);
}

// What a keystroke costs the hook: the facts it has to read.
TEST(KeyFilterRule, CommonKeysReadFewFacts)
{
    const struct {
        const char *name;
        uintptr_t vk;
        int shift, ctrl, f3, focus, selection;
        unsigned read;
    } cases[] = {
        {"idle", 'G', 1, 1, 1, 0, 1, 0},
        {"shift", 0x25, 1, 0, 0, 1, 0, 16 | 1},
        {"arrow", 0x25, 0, 0, 0, 1, 1, 16 | 1},
        {"page down", 0x22, 0, 0, 0, 2, 0, 16 | 1},
        {"digit", '7', 0, 0, 0, 1, 0, 16 | 1 | 8},
        {"keypad digit", 0x67, 0, 0, 0, 1, 0, 16 | 1 | 8},
        {"digit over a selection", '7', 0, 0, 0, 1, 1, 16 | 1 | 8 | 4},
        {"ctrl+F", 'F', 0, 1, 0, 1, 1, 16 | 1 | 2},
        {"F", 'F', 0, 0, 0, 1, 0, 16 | 1 | 2 | 8},
        {"G", 'G', 0, 0, 0, 1, 0, 16 | 1 | 2 | 4},
        {"G with F3", 'G', 0, 0, 1, 2, 0, 16 | 1 | 2 | 4},
        {"ctrl+G", 'G', 0, 1, 0, 1, 1, 16 | 1 | 2},
        {"F3 key", 0x72, 0, 0, 0, 1, 1, 16 | 1},
    };
    for (const auto &c : cases) {
        KeyFilterInput truth = {0, c.vk, (unsigned char)c.shift, (unsigned char)c.ctrl,
                                (unsigned char)c.f3, (unsigned char)c.focus, (unsigned char)c.selection, 0};
        uintptr_t handOn = 0;
        unsigned read = 0;
        EXPECT_GE(ResolveLazily(truth, &handOn, &read), 0) << c.name;
        EXPECT_EQ(read, c.read) << c.name;
    }
}

}  // namespace
