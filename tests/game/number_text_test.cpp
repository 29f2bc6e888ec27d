#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "game/number_text.h"

namespace {

TEST(IntegerText, WritesPlainDecimalWithMinusSignOnly)
{
    struct Case {
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {10, "10"},
        {-5, "-5"},
        {2147483647, "2147483647"},
        {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(game::integerText(c.value), c.text) << c.value;
}

TEST(RoundDecimals, RoundsHalvesAwayFromZero)
{
    struct Case {
        double value;
        std::int32_t digits;
        double rounded;
    };
    const Case cases[] = {
        {18.75, 1, 18.8},
        {0.25, 1, 0.3},
        {-0.25, 1, -0.3},
        {200.0 / 3.0, 1, 66.7},
        {0.049975, 1, 0.0},
        {1.005, 2, 1.01}, // 100.49999999999999 after scaling: the added hair takes it over the half
        {2.5, 0, 3.0},
        {-2.4, 0, -2.0},
        {15.0, -1, 20.0},
        {149.0, -2, 100.0},
        {100.0, 1, 100.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(game::roundDecimals(c.value, c.digits), c.rounded) << c.value << " to " << c.digits;
}

TEST(RoundDecimals, LeavesZeroOfEitherSignUnchanged)
{
    EXPECT_FALSE(std::signbit(game::roundDecimals(0.0, 1)));
    EXPECT_TRUE(std::signbit(game::roundDecimals(-0.0, 1)));
    // A small negative value rounds to a negative zero, which keeps its sign.
    EXPECT_TRUE(std::signbit(game::roundDecimals(-0.01, 1)));
}

TEST(RealText, WritesThirteenSignificantDigitsInGeneralNotation)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {66.7, "66.7"},
        {100.0, "100"},
        {0.5, "0.5"},
        {12.0, "12"},
        {0.0, "0"},
        {-0.0, "-0"},
        {-18.8, "-18.8"},
        {0.1 + 0.2, "0.3"},
        {123456789012.3, "123456789012.3"},
        {1234567890123.4, "1234567890123"}, // exponent 12: still plain, cut to 13 digits
        {1e12, "1000000000000"},
        {1e13, "1e+13"},
        {9999999999999.7, "1e+13"}, // rounding to 13 digits lifts the exponent to 13
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {-2.5e-7, "-2.5e-07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(game::realText(c.value), c.text) << c.text;
}

TEST(RealText, WritesEveryOneDecimalScoreExactly)
{
    // Values that roundDecimals yields with one digit show their exact one-decimal form.
    for (int tenths = 0; tenths <= 20000; ++tenths) {
        const double value = game::roundDecimals(tenths / 10.0, 1);
        const std::string expected = tenths % 10 == 0 ? std::to_string(tenths / 10)
                                                      : std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        ASSERT_EQ(game::realText(value), expected);
    }
}

} // namespace
