#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "game/game.h"
#include "soak/soak_host.h"
#include "stage/stage.h"

namespace soak {

// How often each kind of play came up, so a run can show that it covered them all.
struct BotTally {
    int starts = 0;
    int secondStarts = 0; // Start clicked while a game runs
    int stops = 0;
    int stopsWithoutGame = 0;
    int levelChanges = 0;
    int floods = 0;
    int dozes = 0; // spells without a key, while letters fall
    std::int64_t aimedKeys = 0; // the key of a falling letter
    std::int64_t wrongKeys = 0; // a digit or capital picked blindly
    std::int64_t otherKeys = 0; // a code that is neither a digit nor a capital
    std::int64_t unfocusedKeys = 0; // typed while the level box held the focus: the game never sees them
};

// A player with its own seeded generator. It reads the falling letters and mostly shoots the lowest;
// now and then it mistypes, dozes while letters fall, floods the keyboard, types a new level and
// clicks Start (also during a game) and Stop.
class SoakBot {
public:
    SoakBot(std::uint32_t seed, game::Game& game, const stage::Stage& stage, SoakHost& host);

    std::function<void()> onStarted; // after every click on Start
    std::function<void()> onStopped; // after every click on Stop

    // Called once per stage tick; the bot acts when its reaction time has come.
    void play(std::int64_t nowMs);
    void clickStart();
    void clickStop();

    [[nodiscard]] const BotTally& tally() const { return m_tally; }
    // Key presses the game received during the last second of play, floods included.
    [[nodiscard]] int keysInLastSecond() const { return m_recentKeys; }

private:
    void playInGame(std::int64_t nowMs);
    void playBetweenGames(std::int64_t nowMs);
    void typeLevel();
    void flood();
    void shootLowest();
    void press(int keyCode);
    [[nodiscard]] int aimedKey();
    [[nodiscard]] int blindCharacterKey();
    [[nodiscard]] int otherKey();
    [[nodiscard]] bool losing() const;
    [[nodiscard]] int uniform(int low, int high);
    template<typename T, std::size_t N> [[nodiscard]] const T& pick(const std::array<T, N>& choices)
    {
        return choices.at(static_cast<std::size_t>(uniform(0, static_cast<int>(N) - 1)));
    }
    void beginTick(std::int64_t nowMs);

    static constexpr int kTicksPerSecond = 200;
    static constexpr int kMaxStartsWithoutStop = 3;

    std::mt19937 m_rng;
    game::Game& m_game;
    const stage::Stage& m_stage;
    SoakHost& m_host;
    BotTally m_tally;
    int m_startsSinceStop = 0;
    std::int64_t m_nextLookMs = 0;
    std::int64_t m_awakeAtMs = 0;
    std::int64_t m_restartAtMs = 0;
    std::array<int, kTicksPerSecond> m_keysPerTick {};
    std::size_t m_tickSlot = 0;
    int m_recentKeys = 0;
};

} // namespace soak
