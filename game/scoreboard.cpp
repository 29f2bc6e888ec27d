#include "game/scoreboard.h"

#include <string>

#include "game/number_text.h"
#include "game/text_to_number.h"

namespace game {

namespace {

constexpr const char* kSecondsUnit = "秒";
constexpr const char* kPercentUnit = "%";
constexpr const char* kSpeedUnit = "字/秒";

// A rate or ratio as the player sees it: one decimal at most.
std::string oneDecimalText(double value) { return realText(roundDecimals(value, 1)); }

} // namespace

double elapsedSeconds(std::int32_t startTick, std::int32_t now)
{
    const std::uint32_t elapsedMs = static_cast<std::uint32_t>(now) - static_cast<std::uint32_t>(startTick);
    return static_cast<double>(elapsedMs) / 1000.0;
}

void Scoreboard::showPracticeCount(const GameState& state)
{
    m_host.setCaption(Readout::PracticeCount, integerText(state.practiceCount));
}

void Scoreboard::showHitStats(const GameState& state)
{
    showAccuracy(state);
    showSpeed(state);
}

void Scoreboard::showPracticeTime(const GameState& state)
{
    const double seconds = elapsedSeconds(state.startTick, m_uptime.uptimeMs());
    m_host.setCaption(Readout::PracticeTime, integerText(toInt32Truncated(seconds)) + kSecondsUnit);
}

void Scoreboard::showAccuracy(const GameState& state)
{
    const double percent = (static_cast<double>(state.hitCount) * 100.0) / static_cast<double>(state.practiceCount);
    m_host.setCaption(Readout::Accuracy, oneDecimalText(percent) + kPercentUnit);
}

void Scoreboard::showSpeed(const GameState& state)
{
    const double seconds = elapsedSeconds(state.startTick, m_uptime.uptimeMs());
    // A hit within the counter's granularity of Start has no measurable rate yet: it reads 0.
    const double perSecond = seconds > 0.0 ? static_cast<double>(state.hitCount) / seconds : 0.0;
    m_host.setCaption(Readout::Speed, oneDecimalText(perSecond) + kSpeedUnit);
}

} // namespace game
