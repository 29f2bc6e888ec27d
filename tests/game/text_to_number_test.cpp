#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "game/text_to_number.h"

namespace {

TEST(TextToNumber, ReadsTheLeadingDecimalNumber)
{
    struct Case {
        const char* text;
        double number;
    };
    const Case cases[] = {
        {"1", 1.0},
        {"", 0.0},
        {"abc", 0.0},
        {"-2", -2.0},
        {"2.9", 2.9},
        {"  \t7", 7.0},
        {"+3", 3.0},
        {"12abc", 12.0},
        {"1.5.3", 1.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"-", 0.0},
        {".", 0.0},
        {"- 5", 0.0},
        {"2.5e+1x", 25.0},
        {"1E3", 1000.0},
        {"5e", 5.0}, // an exponent without digits does not fit: the number ends before it
        {"5e-", 5.0},
        {"1e-400", 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(game::textToNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(TextToNumber, ReadsFullWidthDigitsSignsAndPointsAsAscii)
{
    EXPECT_EQ(game::textToNumber("２"), 2.0);
    EXPECT_EQ(game::textToNumber("１２３"), 123.0);
    EXPECT_EQ(game::textToNumber("－４"), -4.0);
    EXPECT_EQ(game::textToNumber("＋３．５"), 3.5);
    EXPECT_EQ(game::textToNumber("１2３"), 123.0);
    EXPECT_EQ(game::textToNumber("級２"), 0.0);
    EXPECT_EQ(game::foldFullWidthDigits("Ａ１"), "Ａ1"); // only digits, signs and the point fold
}

TEST(TextToNumber, GivesAnInfinityOfItsSignBeyondTheDoubleRangeAndZeroBelowIt)
{
    // 1e-391 although its written exponent is positive.
    EXPECT_EQ(game::textToNumber("0." + std::string(400, '0') + "1e10"), 0.0);
    EXPECT_EQ(game::textToNumber("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(game::textToNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(game::textToNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(game::textToNumber("0.01e311"), std::numeric_limits<double>::infinity());
}

TEST(ToInt32Truncated, TruncatesTowardZeroAndKeepsTheLowBits)
{
    struct Case {
        double value;
        std::int32_t result;
    };
    const Case cases[] = {
        {2.9, 2},
        {-1.5, -1},
        {-0.9, 0},
        {2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {4294967297.0, 1},
        {-4294967297.0, -1},
        {1e30, 0},
        {9223372036854775808.0, 0}, // 2^63: beyond the 64-bit range
        {-9223372036854775808.0, 0}, // -2^63 fits; its low 32 bits are 0
        {-9223372036854777856.0, 0}, // the next double below: beyond
        {std::numeric_limits<double>::infinity(), 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(game::toInt32Truncated(c.value), c.result) << c.value;
}

TEST(LevelText, ReadsAsTheTruncatedLeadingNumber)
{
    struct Case {
        const char* text;
        std::int32_t level;
    };
    const Case cases[] = {
        {"1", 1},
        {"10", 10},
        {"11", 11},
        {"12", 12},
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"-2", -2},
        {"2.9", 2},
        {"-1.5", -1},
        {"２", 2},
        {"4294967297", 1},
        {"2147483648", std::numeric_limits<std::int32_t>::min()},
        {"1e30", 0},
        {"1e400", 0},
        {"99999999999999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(game::toInt32Truncated(game::textToNumber(c.text)), c.level) << '"' << c.text << '"';
}

} // namespace
