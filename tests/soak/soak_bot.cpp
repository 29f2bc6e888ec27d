#include "soak/soak_bot.h"

#include "game/lanes.h"

namespace soak {

namespace {

constexpr int kTickMs = 5;

// What a player types into the level box: mostly levels it can play, now and then the extremes and
// texts without a number.
constexpr std::array<const char*, 6> kPlayableLevels {"1", "2", "3", "4", "5", "6"};
constexpr std::array<const char*, 16> kAnyLevels {
    "", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "-3", "abc"};

// Codes that are neither digits nor capitals: space, Enter, Escape, arrows, F1, lower case, keypad
// operators, punctuation and codes no keyboard sends.
constexpr std::array<int, 14> kOtherKeys {32, 13, 27, 37, 38, 112, 'a', 'z', 189, 190, 191, '/', -1, 100'000};

// Chances per look at the game, in ten-thousandths; the rest of the looks shoot at a letter.
constexpr int kStopChance = 15;
constexpr int kGiveUpChance = 2000; // while more than a quarter of the letters since Start were lost
constexpr int kSecondStartChance = 10;
constexpr int kLevelChance = 30;
constexpr int kFloodChance = 15;
constexpr int kDozeChance = 40;
constexpr int kWrongKeyChance = 600;
constexpr int kOtherKeyChance = 400;
constexpr int kRepeatChance = 300; // of the aimed shots: the key is held and repeats

} // namespace

SoakBot::SoakBot(std::uint32_t seed, game::Game& game, const stage::Stage& stage, SoakHost& host)
    : m_rng(seed)
    , m_game(game)
    , m_stage(stage)
    , m_host(host)
{ }

void SoakBot::play(std::int64_t nowMs)
{
    beginTick(nowMs);
    if (nowMs < m_nextLookMs)
        return;
    m_nextLookMs = nowMs + uniform(30, 250); // reaction time
    if (m_startsSinceStop == 0)
        playBetweenGames(nowMs);
    else if (nowMs >= m_awakeAtMs)
        playInGame(nowMs);
}

void SoakBot::clickStart()
{
    m_game.startGame();
    ++m_tally.starts;
    m_tally.secondStarts += m_startsSinceStop > 0 ? 1 : 0;
    ++m_startsSinceStop;
    if (onStarted)
        onStarted();
}

void SoakBot::clickStop()
{
    m_game.stopGame();
    ++(m_startsSinceStop > 0 ? m_tally.stops : m_tally.stopsWithoutGame);
    m_startsSinceStop = 0;
    if (onStopped)
        onStopped();
}

// One decision while a game runs: rare clicks and spells first, then mostly keys.
void SoakBot::playInGame(std::int64_t nowMs)
{
    int roll = uniform(0, 9'999);
    if ((roll -= losing() ? kGiveUpChance : kStopChance) < 0) {
        clickStop();
        m_restartAtMs = nowMs + uniform(300, 5'000);
    } else if ((roll -= kSecondStartChance) < 0) {
        if (m_startsSinceStop < kMaxStartsWithoutStop)
            clickStart();
    } else if ((roll -= kLevelChance) < 0) {
        typeLevel();
    } else if ((roll -= kFloodChance) < 0) {
        flood();
    } else if ((roll -= kDozeChance) < 0) {
        ++m_tally.dozes;
        m_awakeAtMs = nowMs + uniform(1'000, 8'000);
    } else if ((roll -= kWrongKeyChance) < 0) {
        ++m_tally.wrongKeys;
        press(blindCharacterKey());
    } else if ((roll -= kOtherKeyChance) < 0) {
        ++m_tally.otherKeys;
        press(otherKey());
    } else {
        shootLowest();
    }
}

// Between games the player types a level now and then, clicks Start after a pause, and sometimes
// clicks Stop once more for nothing.
void SoakBot::playBetweenGames(std::int64_t nowMs)
{
    if (nowMs < m_restartAtMs) {
        if (uniform(0, 99) == 0)
            clickStop();
        return;
    }
    if (uniform(0, 1) == 0)
        typeLevel();
    clickStart();
}

// Clicking into the level box takes the keyboard focus from the stage until the next launch.
void SoakBot::typeLevel()
{
    m_host.level = uniform(0, 3) > 0 ? pick(kPlayableLevels) : pick(kAnyLevels);
    m_host.stageFocused = false;
    ++m_tally.levelChanges;
}

// 50 to 500 keys between two ticks: half of them at falling letters, the rest anything.
void SoakBot::flood()
{
    ++m_tally.floods;
    const int count = uniform(50, 500);
    for (int i = 0; i < count; ++i) {
        const int kind = uniform(0, 9);
        press(kind < 5 ? aimedKey() : kind < 8 ? blindCharacterKey() : otherKey());
    }
}

// Mostly the letter nearest the bottom, sometimes any; a held key repeats a few times.
void SoakBot::shootLowest()
{
    const auto& letters = m_game.fallingLetters();
    if (letters.empty())
        return;
    int key = aimedKey();
    if (uniform(0, 9) < 7) {
        int lowestY = -1;
        for (const auto& letter : letters.letters()) {
            const int y = m_stage.sprite(letter.spriteId).y;
            if (y > lowestY) {
                lowestY = y;
                key = letter.text.at(0);
            }
        }
    }
    const int presses = uniform(0, 9'999) < kRepeatChance ? uniform(2, 4) : 1;
    for (int i = 0; i < presses; ++i) {
        ++m_tally.aimedKeys;
        press(key);
    }
}

void SoakBot::press(int keyCode)
{
    if (!m_host.stageFocused) {
        ++m_tally.unfocusedKeys;
        return;
    }
    ++m_keysPerTick.at(m_tickSlot);
    ++m_recentKeys;
    m_game.onStageKey(keyCode, uniform(0, 7));
}

int SoakBot::aimedKey()
{
    const auto& letters = m_game.fallingLetters();
    if (letters.empty())
        return blindCharacterKey();
    return letters.at(static_cast<std::size_t>(uniform(0, static_cast<int>(letters.size()) - 1))).text.at(0);
}

int SoakBot::blindCharacterKey()
{
    const int pick = uniform(0, 35);
    return pick < 10 ? '0' + pick : 'A' + pick - 10;
}

int SoakBot::otherKey() { return pick(kOtherKeys); }

// Every letter after the opening wave replaced one that was hit or lost.
bool SoakBot::losing() const
{
    const game::GameState& s = m_game.state();
    const int gone = s.practiceCount - game::kLaneCount;
    const int lost = gone - s.hitCount;
    return gone > 30 && lost * 4 > gone;
}

int SoakBot::uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }

// Keeps the count of keys of the last second: the slot of the tick a second ago is reused for this one.
void SoakBot::beginTick(std::int64_t nowMs)
{
    m_tickSlot = static_cast<std::size_t>((nowMs / kTickMs) % kTicksPerSecond);
    m_recentKeys -= m_keysPerTick.at(m_tickSlot);
    m_keysPerTick.at(m_tickSlot) = 0;
}

} // namespace soak
