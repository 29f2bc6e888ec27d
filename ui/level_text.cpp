#include "ui/level_text.h"

#include <limits>

namespace ui {

namespace {

constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 10;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

int spinResult(long long candidate, int wrapTo)
{
    return candidate >= kLowestLevel && candidate <= kHighestLevel ? static_cast<int>(candidate) : wrapTo;
}

} // namespace

bool acceptsTypedCharacter(char32_t c) { return c < 32 || (c >= U'0' && c <= U'9'); }

long long leadingInteger(const std::string& text)
{
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 9;
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit)
            value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

std::string normalisedLevelText(const std::string& text)
{
    long long value = leadingInteger(text);
    value = value < 0 ? 0 : (value > 255 ? 255 : value);
    return value == 0 ? std::string() : std::to_string(value);
}

int levelAfterSpinUp(const std::string& text) { return spinResult(leadingInteger(text) + 1, kLowestLevel); }

int levelAfterSpinDown(const std::string& text) { return spinResult(leadingInteger(text) - 1, kHighestLevel); }

} // namespace ui
