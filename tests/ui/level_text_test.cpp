#include <gtest/gtest.h>

#include "ui/level_text.h"

namespace {

struct Normalising {
    const char* text;
    const char* expected;
};

// Leaving the box clamps to 0..255, drops leading zeros and turns 0 into the empty text.
TEST(LevelText, NormalisesOnLeavingTheBox)
{
    const Normalising cases[] = {
        {"1", "1"},
        {"300", "255"},
        {"0", ""},
        {"00", ""},
        {"007", "7"},
        {"", ""},
        {"-5", ""},
        {"  42", "42"},
        {"+9", "9"},
        {"12ab", "12"},
        {"abc", ""},
        {"255", "255"},
        {"256", "255"},
        {"99999999999999999999999", "255"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::normalisedLevelText(c.text), c.expected) << "text " << c.text;
}

struct Spinning {
    const char* text;
    int up;
    int down;
};

// The arrows cycle through 1..10 in both directions.
TEST(LevelText, SpinButtonsCycleThroughOneToTen)
{
    const Spinning cases[] = {
        {"1", 2, 10},
        {"5", 6, 4},
        {"10", 1, 9},
        {"", 1, 10},
        {"0", 1, 10},
        {"25", 1, 10},
        {"11", 1, 10},
        {"-3", 1, 10},
        {"9", 10, 8},
        {"2", 3, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::levelAfterSpinUp(c.text), c.up) << "up from " << c.text;
        EXPECT_EQ(ui::levelAfterSpinDown(c.text), c.down) << "down from " << c.text;
    }
}

TEST(LevelText, TypingAcceptsDigitsAndControlCharactersOnly)
{
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(ui::acceptsTypedCharacter(c));
    EXPECT_TRUE(ui::acceptsTypedCharacter(U'\b'));
    EXPECT_TRUE(ui::acceptsTypedCharacter(0x16)); // Ctrl+V
    for (char32_t c : {U'a', U'A', U' ', U'-', U'.', U'２', U'é'})
        EXPECT_FALSE(ui::acceptsTypedCharacter(c));
}

} // namespace
