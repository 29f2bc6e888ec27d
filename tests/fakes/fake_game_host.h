#pragma once

#include <map>
#include <string>
#include <vector>

#include "game/game_host.h"

namespace fakes {

// The main window as the game sees it: a level text to read, and a record of everything the game did
// to the window.
class FakeGameHost : public game::GameHost {
public:
    std::string level = "1";
    int outerHeight = 512;
    std::vector<int> clockPeriods; // every period written, in order
    int focusCount = 0;
    std::map<game::Readout, std::string> captions; // absent: never written
    int captionWrites = 0;

    [[nodiscard]] std::string levelText() const override { return level; }
    void setClockPeriod(int ms) override { clockPeriods.push_back(ms); }
    void focusStage() override { ++focusCount; }
    [[nodiscard]] int stageOuterHeight() const override { return outerHeight; }
    void setCaption(game::Readout readout, const std::string& utf8) override
    {
        captions[readout] = utf8;
        ++captionWrites;
    }

    [[nodiscard]] std::string caption(game::Readout readout) const
    {
        const auto it = captions.find(readout);
        return it == captions.end() ? std::string() : it->second;
    }
    [[nodiscard]] int clockPeriod() const { return clockPeriods.empty() ? 0 : clockPeriods.back(); }
};

} // namespace fakes
