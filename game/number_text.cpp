#include "game/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace game {

std::string integerText(std::int32_t value) { return std::to_string(value); }

namespace {

// |value| scaled so that the wanted digits lie before the point, and the scale to undo it.
struct Scaled {
    double value;
    double power;
};

Scaled scaleForDigits(double magnitude, std::int32_t digits)
{
    if (digits > 0) {
        const double p = std::pow(10.0, digits);
        return {magnitude * p, p};
    }
    if (digits < 0) {
        const double p = std::pow(10.0, -static_cast<double>(digits));
        return {magnitude / p, p};
    }
    return {magnitude, 1.0};
}

} // namespace

double roundDecimals(double value, std::int32_t digits)
{
    if (value == 0.0)
        return value;
    const Scaled scaled = scaleForDigits(std::fabs(value), digits);
    double whole = 0.0;
    const double fraction = std::modf(scaled.value + 1e-12, &whole);
    const double rounded = fraction >= 0.5 ? whole + 1.0 : whole;
    double result = rounded;
    if (digits > 0)
        result = rounded / scaled.power;
    else if (digits < 0)
        result = rounded * scaled.power;
    return value < 0.0 ? -result : result;
}

std::string realText(double value)
{
    constexpr int kSignificantDigits = 13;
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, kSignificantDigits);
    return std::string(buffer.data(), result.ptr);
}

} // namespace game
