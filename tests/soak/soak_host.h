#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game/game_host.h"

namespace soak {

// The main window as the game sees it during a long run: the level box, the keyboard focus, the clock
// 时钟1 with a real timer's rules, and the four read-outs. It keeps only current values, so it does not
// grow however long the run; every caption written is handed to a checker.
class SoakHost : public game::GameHost {
public:
    using CaptionCheck = std::function<void(game::Readout, const std::string&)>;

    explicit SoakHost(const std::int64_t& nowMs)
        : m_now(nowMs)
    { }

    std::string level = "1";
    bool stageFocused = false;
    CaptionCheck onCaption;

    [[nodiscard]] std::string levelText() const override { return level; }

    // A new positive period starts the clock one period from now, the period it already has keeps its
    // rhythm, and 0 or less stops it.
    void setClockPeriod(int ms) override
    {
        const int period = ms > 0 ? ms : 0;
        if (period == m_period)
            return;
        m_period = period;
        m_nextTickMs = m_now + period;
    }

    void focusStage() override { stageFocused = true; }
    [[nodiscard]] int stageOuterHeight() const override { return 512; }

    void setCaption(game::Readout readout, const std::string& utf8) override
    {
        m_captions.at(static_cast<std::size_t>(readout)) = utf8;
        if (onCaption)
            onCaption(readout, utf8);
    }

    // True when the clock ticks now. A tick that fell due while nothing looked is not made up.
    [[nodiscard]] bool clockTickDue()
    {
        if (m_period == 0 || m_now < m_nextTickMs)
            return false;
        m_nextTickMs += m_period;
        if (m_nextTickMs <= m_now)
            m_nextTickMs = m_now + m_period;
        return true;
    }

    [[nodiscard]] int clockPeriod() const { return m_period; }
    [[nodiscard]] const std::string& caption(game::Readout readout) const
    {
        return m_captions.at(static_cast<std::size_t>(readout));
    }

private:
    const std::int64_t& m_now;
    int m_period = 0;
    std::int64_t m_nextTickMs = 0;
    std::array<std::string, 4> m_captions;
};

} // namespace soak
