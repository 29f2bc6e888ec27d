#include "soak/soak_referee.h"

#include <cmath>
#include <regex>

#include <gtest/gtest.h>

#include "game/lanes.h"

namespace soak {

namespace {

using namespace std::string_literals;

constexpr int kLettersPerStart = game::kLaneCount;
constexpr int kSpritesPerStart = kLettersPerStart + 1; // the letters and their hidden master
constexpr int kClockPeriodMs = 1000;
constexpr std::int64_t kLongestHalt = 1000; // a listed letter may wait this long for the shot it ran into
constexpr double kRounding = 0.05 + 1e-9; // one decimal, halves away from zero
constexpr int kMaxReports = 20;

bool isLetterCharacter(const std::string& text)
{
    return text.size() == 1 && ((text[0] >= '0' && text[0] <= '9') || (text[0] >= 'A' && text[0] <= 'Z'));
}

// The number before a read-out's unit, once the text has matched its pattern.
double leadingNumber(const std::string& text) { return std::stod(text); }

bool looksNonFinite(const std::string& text)
{
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

} // namespace

SoakReferee::SoakReferee(
    const std::int64_t& nowMs, stage::Stage& stage, game::Game& game, const SoakHost& host, int glyphWidth)
    : m_now(nowMs)
    , m_stage(stage)
    , m_game(game)
    , m_host(host)
    , m_glyphWidth(glyphWidth)
{ }

void SoakReferee::started()
{
    ++m_startsSinceStop;
    m_tally.peakStarts = std::max(m_tally.peakStarts, m_startsSinceStop);
    m_startMs = m_now;
    m_hitsSinceStart = 0;
    m_lossesSinceStart = 0;
    checkLetters();
}

void SoakReferee::stopped()
{
    m_startsSinceStop = 0;
    m_haltedSince.clear();
    checkCleared();
}

void SoakReferee::checkTick(int keysInLastSecond)
{
    expect(m_game.state().stopping == 0, [] { return "stopping stayed 1 after Stop"s; });
    if (m_startsSinceStop > 0)
        checkRunning();
    else
        checkCleared();

    // Besides the letters and masters of the Starts, only shots and explosions are around, and each
    // of those came from a key pressed within the last second (a shot lives under 0.3 s, an
    // explosion 0.4 s after its hit).
    const std::size_t sprites = m_stage.spriteCount();
    const std::size_t bound = static_cast<std::size_t>(kSpritesPerStart * m_startsSinceStop + keysInLastSecond);
    expect(sprites <= bound, [&] {
        return "stage holds "s + std::to_string(sprites) + " sprites, more than the bound "s + std::to_string(bound);
    });
    m_tally.peakSprites = std::max(m_tally.peakSprites, sprites);
    m_tally.peakLetters = std::max(m_tally.peakLetters, m_game.fallingLetters().size());
}

// Counters that must agree with each other and with what the referee counted since Start.
void SoakReferee::checkRunning()
{
    const game::GameState& s = m_game.state();
    const std::size_t listed = m_game.fallingLetters().size();
    const std::size_t expected = static_cast<std::size_t>(kLettersPerStart * m_startsSinceStop);
    expect(listed == expected, [&] {
        return std::to_string(listed) + " letters listed after "s + std::to_string(m_startsSinceStop)
            + " Starts, expected "s + std::to_string(expected);
    });
    expect(s.hitCount == m_hitsSinceStart, [&] {
        return "hitCount "s + std::to_string(s.hitCount) + ", hits seen since Start "s
            + std::to_string(m_hitsSinceStart);
    });
    expect(s.practiceCount == kLettersPerStart + m_hitsSinceStart + m_lossesSinceStart, [&] {
        return "practiceCount "s + std::to_string(s.practiceCount) + " after "s + std::to_string(m_hitsSinceStart)
            + " hits and "s + std::to_string(m_lossesSinceStart) + " losses"s;
    });
    expect(s.hitCount <= s.practiceCount, [&] {
        return "hitCount "s + std::to_string(s.hitCount) + " above practiceCount "s + std::to_string(s.practiceCount);
    });
    expect(s.speedBonus == 10 * (s.hitCount / 10), [&] {
        return "speedBonus "s + std::to_string(s.speedBonus) + " after "s + std::to_string(s.hitCount) + " hits"s;
    });
    expect(m_host.clockPeriod() == kClockPeriodMs, [] { return "the clock does not run during a game"s; });
}

// After Stop nothing is left: no sprite, no record, the four counters 0, the clock still.
void SoakReferee::checkCleared()
{
    const game::GameState& s = m_game.state();
    expect(m_stage.spriteCount() == 0,
        [&] { return std::to_string(m_stage.spriteCount()) + " sprites left on the stage after Stop"s; });
    expect(m_game.fallingLetters().empty(),
        [&] { return std::to_string(m_game.fallingLetters().size()) + " letters left in the list after Stop"s; });
    expect(s.hitCount == 0 && s.startTick == 0 && s.speedBonus == 0 && s.practiceCount == 0, [&] {
        return "counters after Stop: hitCount "s + std::to_string(s.hitCount) + ", startTick "s
            + std::to_string(s.startTick) + ", speedBonus "s + std::to_string(s.speedBonus) + ", practiceCount "s
            + std::to_string(s.practiceCount);
    });
    expect(m_host.clockPeriod() == 0, [] { return "the clock still runs after Stop"s; });
}

void SoakReferee::checkLetters()
{
    const auto& letters = m_game.fallingLetters().letters();
    for (std::size_t i = 0; i < letters.size(); ++i) {
        checkLetter(letters[i]);
        for (std::size_t j = i + 1; j < letters.size(); ++j)
            expect(letters[i].spriteId != letters[j].spriteId,
                [&] { return "sprite "s + std::to_string(letters[i].spriteId) + " is listed twice"s; });
    }
    std::erase_if(
        m_haltedSince, [&](const auto& entry) { return !m_game.fallingLetters().findLetterBySprite(entry.first); });
}

void SoakReferee::checkLetter(const game::FallingLetter& letter)
{
    const auto which = [&] {
        return "letter "s + letter.text + " (sprite "s + std::to_string(letter.spriteId) + ", lane "s
            + std::to_string(letter.column) + ")"s;
    };
    expect(isLetterCharacter(letter.text), [&] { return which() + " shows no digit or capital"s; });
    expect(letter.column >= 1 && letter.column <= game::kLaneCount, [&] { return which() + " has no lane"s; });
    const stage::SpriteView view = m_stage.sprite(letter.spriteId);
    expect(view.id == letter.spriteId, [&] { return which() + " names no sprite on the stage"s; });
    if (view.id != letter.spriteId)
        return;
    expect(view.visible && view.type == 1, [&] { return which() + " is hidden or no letter sprite"s; });
    expect(view.text && *view.text == letter.text, [&] { return which() + " shows another text"s; });
    expect(view.x == game::laneX(letter.column),
        [&] { return which() + " stands at x "s + std::to_string(view.x) + ", outside its lane"s; });
    expect(view.y >= 0 && view.y < m_stage.height(),
        [&] { return which() + " stands at y "s + std::to_string(view.y) + ", outside the stage"s; });
    expect(view.image && view.image->width == m_glyphWidth,
        [&] { return which() + " shows a picture, not its character: it was hit"s; });
    checkStalled(letter, view);
}

// A letter that ran into a rising shot halts until that shot's next step hits it; one that stays
// halted longer is frozen in mid-air and is never lost. Frozen letters are counted, not failed at once,
// so that the run goes on to check everything else.
void SoakReferee::checkStalled(const game::FallingLetter& letter, const stage::SpriteView& view)
{
    if (view.advancing) {
        m_haltedSince.erase(letter.spriteId);
        return;
    }
    auto& halt = m_haltedSince.try_emplace(letter.spriteId, Halt {m_now, false}).first->second;
    if (halt.counted || m_now - halt.since <= kLongestHalt)
        return;
    halt.counted = true;
    if (m_tally.frozenLetters++ == 0)
        m_tally.firstFrozen = "letter "s + letter.text + " (sprite "s + std::to_string(letter.spriteId) + ", lane "s
            + std::to_string(letter.column) + ") stood still at y "s + std::to_string(view.y) + " from "s
            + std::to_string(halt.since) + " ms of game time, "s + std::to_string(m_startsSinceStop)
            + " Starts since the last Stop"s;
}

void SoakReferee::checkCaption(game::Readout readout, const std::string& text)
{
    ++m_tally.captionsChecked;
    expect(!looksNonFinite(text), [&] { return "read-out \""s + text + "\" is no finite number"s; });
    switch (readout) {
    case game::Readout::PracticeCount:
        return checkPracticeCount(text);
    case game::Readout::PracticeTime:
        return checkPracticeTime(text);
    case game::Readout::Accuracy:
        return checkAccuracy(text);
    case game::Readout::Speed:
        return checkSpeed(text);
    }
}

void SoakReferee::checkPracticeCount(const std::string& text)
{
    static const std::regex pattern(R"(^-?\d+$)");
    const bool wellFormed = std::regex_match(text, pattern);
    expect(wellFormed, [&] { return "practice count reads \""s + text + "\""s; });
    expect(!wellFormed || std::stoll(text) == m_game.state().practiceCount, [&] {
        return "practice count reads "s + text + " while "s + std::to_string(m_game.state().practiceCount)
            + " letters were launched"s;
    });
}

void SoakReferee::checkPracticeTime(const std::string& text)
{
    static const std::regex pattern("^-?\\d+秒$");
    const bool wellFormed = std::regex_match(text, pattern);
    expect(wellFormed, [&] { return "practice time reads \""s + text + "\""s; });
    const std::int64_t seconds = (m_now - m_startMs) / 1000;
    expect(!wellFormed || std::stoll(text) == seconds,
        [&] { return "practice time reads "s + text + " "s + std::to_string(seconds) + " s after Start"s; });
}

void SoakReferee::checkAccuracy(const std::string& text)
{
    static const std::regex pattern(R"(^\d+(\.\d)?%$)");
    const bool wellFormed = std::regex_match(text, pattern);
    expect(wellFormed, [&] { return "accuracy reads \""s + text + "\""s; });
    if (!wellFormed)
        return;
    const game::GameState& s = m_game.state();
    const double shown = leadingNumber(text);
    const double exact = 100.0 * s.hitCount / s.practiceCount;
    expect(shown <= 100.0, [&] { return "accuracy reads "s + text + ", above 100 %"s; });
    expect(std::fabs(shown - exact) <= kRounding, [&] {
        return "accuracy reads "s + text + " for "s + std::to_string(s.hitCount) + " hits of "s
            + std::to_string(s.practiceCount);
    });
}

void SoakReferee::checkSpeed(const std::string& text)
{
    static const std::regex pattern("^\\d+(\\.\\d)?字/秒$");
    const bool wellFormed = std::regex_match(text, pattern);
    expect(wellFormed, [&] { return "speed reads \""s + text + "\""s; });
    if (!wellFormed)
        return;
    const double seconds = secondsSinceStart();
    const double exact = seconds > 0.0 ? m_game.state().hitCount / seconds : 0.0;
    expect(std::fabs(leadingNumber(text) - exact) <= kRounding, [&] {
        return "speed reads "s + text + " for "s + std::to_string(m_game.state().hitCount) + " hits in "s
            + std::to_string(seconds) + " s"s;
    });
}

double SoakReferee::secondsSinceStart() const { return static_cast<double>(m_now - m_startMs) / 1000.0; }

// A shot that runs into a listed letter is a hit; the record goes in the same call.
void SoakReferee::onSpriteCollision(stage::SpriteId mover, int x0, int y0, stage::SpriteId hit)
{
    const bool listed = m_game.fallingLetters().findLetterBySprite(hit).has_value();
    m_game.onSpriteCollision(mover, x0, y0, hit);
    if (!listed)
        return;
    ++m_hitsSinceStart;
    ++m_tally.hits;
    expect(!m_game.fallingLetters().findLetterBySprite(hit),
        [&] { return "hit letter sprite "s + std::to_string(hit) + " is still listed"s; });
}

// A listed letter at an edge is lost: its sprite and its record go in the same call.
void SoakReferee::onBoundaryHit(stage::SpriteId id, int x0, int y0, int edges)
{
    const bool listed = m_game.fallingLetters().findLetterBySprite(id).has_value();
    m_game.onBoundaryHit(id, x0, y0, edges);
    if (!listed)
        return;
    ++m_lossesSinceStart;
    ++m_tally.losses;
    expect(!m_game.fallingLetters().findLetterBySprite(id) && !m_stage.contains(id),
        [&] { return "lost letter sprite "s + std::to_string(id) + " is still listed or on the stage"s; });
}

void SoakReferee::fail(const std::string& what)
{
    if (++m_failures <= kMaxReports)
        ADD_FAILURE() << "at " << m_now << " ms of game time: " << what;
}

} // namespace soak
