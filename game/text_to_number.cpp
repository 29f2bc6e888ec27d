#include "game/text_to_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace game {

namespace {

// Full-width forms U+FF0B..U+FF19 are EF BC 8B..99 in UTF-8; their ASCII forms lie 0xFEE0 lower.
constexpr unsigned char kFullWidthLead = 0xEF;
constexpr unsigned char kFullWidthMid = 0xBC;

bool isFoldedFullWidth(unsigned char last)
{
    return (last >= 0x90 && last <= 0x99) || last == 0x8B || last == 0x8D || last == 0x8E;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isSign(char c) { return c == '+' || c == '-'; }

// Length of the run of digits starting at pos.
std::size_t digitRun(std::string_view s, std::size_t pos)
{
    std::size_t end = pos;
    while (end < s.size() && isDigit(s[end]))
        ++end;
    return end - pos;
}

// The number's parts as found in the text: mantissa (digits and point) and exponent digits.
struct NumberSpan {
    std::size_t begin = 0; // first mantissa character, after the sign
    std::size_t end = 0; // one past the last character that fits
    bool negative = false;
    bool found = false;
};

// Finds the longest leading number of s: [sign] digits [. digits] [e [sign] digits].
NumberSpan scanNumber(std::string_view s)
{
    NumberSpan span;
    std::size_t pos = 0;
    while (pos < s.size() && isSpace(s[pos]))
        ++pos;
    if (pos < s.size() && isSign(s[pos])) {
        span.negative = s[pos] == '-';
        ++pos;
    }
    span.begin = pos;
    const std::size_t whole = digitRun(s, pos);
    pos += whole;
    std::size_t fraction = 0;
    if (pos < s.size() && s[pos] == '.') {
        fraction = digitRun(s, pos + 1);
        if (whole > 0 || fraction > 0)
            pos += 1 + fraction;
    }
    if (whole == 0 && fraction == 0)
        return span;
    span.found = true;
    span.end = pos;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        if (exponentPos < s.size() && isSign(s[exponentPos]))
            ++exponentPos;
        const std::size_t exponentDigits = digitRun(s, exponentPos);
        if (exponentDigits > 0)
            span.end = exponentPos + exponentDigits;
    }
    return span;
}

// The decimal exponent of the mantissa's first significant digit: 2 for 123.4, -3 for 0.001.
long long leadingExponent(std::string_view mantissa)
{
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string_view::npos)
        return 0;
    if (firstSignificant < point)
        return static_cast<long long>(point - firstSignificant) - 1;
    return -static_cast<long long>(firstSignificant - point);
}

// The written exponent after e or E, clamped far beyond any double's range.
long long writtenExponent(std::string_view exponentText)
{
    const bool negative = !exponentText.empty() && exponentText.front() == '-';
    const std::size_t start = (!exponentText.empty() && isSign(exponentText.front())) ? 1 : 0;
    long long exponent = 0;
    for (std::size_t i = start; i < exponentText.size() && exponent < 1'000'000'000; ++i)
        exponent = exponent * 10 + (exponentText[i] - '0');
    return negative ? -exponent : exponent;
}

// For a number out of a double's range: whether it is too large (rather than too small). A value
// whose first significant digit stands above the units place is at least 10, so it cannot underflow.
bool overflows(std::string_view number)
{
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    const long long exponent = e < number.size() ? writtenExponent(number.substr(e + 1)) : 0;
    return leadingExponent(number.substr(0, e)) + exponent > 0;
}

} // namespace

std::string foldFullWidthDigits(std::string_view utf8)
{
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead == kFullWidthLead && i + 2 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) == kFullWidthMid
            && isFoldedFullWidth(static_cast<unsigned char>(utf8[i + 2]))) {
            // U+FF0B..U+FF19 -> '+'..'9': the last byte 0x8B..0x99 maps onto 0x2B..0x39.
            folded.push_back(static_cast<char>(static_cast<unsigned char>(utf8[i + 2]) - 0x60));
            i += 2;
            continue;
        }
        folded.push_back(utf8[i]);
    }
    return folded;
}

double textToNumber(std::string_view utf8)
{
    const std::string text = foldFullWidthDigits(utf8);
    const NumberSpan span = scanNumber(text);
    if (!span.found)
        return 0.0;
    const std::string_view number = std::string_view(text).substr(span.begin, span.end - span.begin);
    double magnitude = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return span.negative ? -magnitude : magnitude;
}

std::int32_t toInt32Truncated(double value)
{
    constexpr double kTwoTo63 = 9223372036854775808.0;
    const double whole = std::trunc(value);
    if (!(whole >= -kTwoTo63 && whole < kTwoTo63))
        return 0;
    const auto wide = static_cast<std::int64_t>(whole);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

} // namespace game
