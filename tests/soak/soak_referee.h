#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "game/game.h"
#include "soak/soak_host.h"
#include "stage/stage.h"

namespace soak {

// What the referee saw over the run.
struct RefereeTally {
    std::int64_t hits = 0; // listed letters shot down
    std::int64_t losses = 0; // listed letters that reached the bottom
    std::int64_t captionsChecked = 0;
    std::size_t peakSprites = 0;
    std::size_t peakLetters = 0;
    int peakStarts = 0; // most Starts without a Stop between
    int frozenLetters = 0; // listed letters that stopped falling for good
    std::string firstFrozen;
};

// Watches a game from the outside and reports the first broken rule, with the game time, as a test
// failure. It stands between the stage and the game to count hits and losses, checks the cheap
// invariants at every tick, the listed letters on request, the cleared game after every Stop and every
// read-out as it is written.
class SoakReferee : public stage::StageListener {
public:
    SoakReferee(const std::int64_t& nowMs, stage::Stage& stage, game::Game& game, const SoakHost& host, int glyphWidth);

    void started(); // Start was clicked
    void stopped(); // Stop was clicked
    // Sizes, counters and the sprite bound; keysInLastSecond bounds the shots and explosions around.
    void checkTick(int keysInLastSecond);
    // Every listed letter names a live, falling letter sprite of its lane that shows its character.
    void checkLetters();
    void checkCaption(game::Readout readout, const std::string& text);

    [[nodiscard]] bool failed() const { return m_failures > 0; }
    [[nodiscard]] const RefereeTally& tally() const { return m_tally; }

    void onSpriteCollision(stage::SpriteId mover, int x0, int y0, stage::SpriteId hit) override;
    void onBoundaryHit(stage::SpriteId id, int x0, int y0, int edges) override;
    // The other events go straight on to the game.
    void onOutOfBounds(stage::SpriteId id) override { m_game.onOutOfBounds(id); }
    void onAdvanceStopped(stage::SpriteId id) override { m_game.onAdvanceStopped(id); }
    void onAnimationFinished(stage::SpriteId id) override { m_game.onAnimationFinished(id); }
    void onSpriteWillBeDestroyed(stage::SpriteId id) override { m_game.onSpriteWillBeDestroyed(id); }

private:
    void checkRunning();
    void checkCleared();
    void checkLetter(const game::FallingLetter& letter);
    void checkStalled(const game::FallingLetter& letter, const stage::SpriteView& view);
    void checkPracticeCount(const std::string& text);
    void checkPracticeTime(const std::string& text);
    void checkAccuracy(const std::string& text);
    void checkSpeed(const std::string& text);
    [[nodiscard]] double secondsSinceStart() const;
    // Reports a broken rule; describe() is only called when it is broken.
    template<typename Describe> void expect(bool ok, Describe describe)
    {
        if (!ok)
            fail(describe());
    }
    void fail(const std::string& what);

    const std::int64_t& m_now;
    stage::Stage& m_stage;
    game::Game& m_game;
    const SoakHost& m_host;
    int m_glyphWidth; // width of a one-character text image; an explosion is wider
    int m_startsSinceStop = 0;
    std::int64_t m_startMs = 0;
    std::int64_t m_hitsSinceStart = 0;
    std::int64_t m_lossesSinceStart = 0;
    struct Halt {
        std::int64_t since = 0;
        bool counted = false;
    };
    std::unordered_map<stage::SpriteId, Halt> m_haltedSince; // listed letters seen not falling
    RefereeTally m_tally;
    int m_failures = 0;
};

} // namespace soak
