#include <algorithm>
#include <cmath>

#include "stage/geometry.h"
#include "stage/stage_impl.h"

namespace stage {
namespace {

// The time the next period counts from, once a period that was due at base + period has been served
// at now. A tick that comes late by less than one period keeps the rhythm of the due times, so a
// timer that fires a little late loses no pace; a longer delay starts afresh from now.
std::int64_t nextBase(std::int64_t base, int period, std::int64_t now)
{
    const std::int64_t due = base + period;
    return period > 0 && now - due < period ? due : now;
}

// Whether the advance ends after a step with this outcome.
bool advanceEnds(const Advance& advance, const StepOutcome& outcome)
{
    if (outcome.collided && advance.stopOnCollision)
        return true;
    if (advance.distanceLimit > 0 && advance.travelled >= advance.distanceLimit)
        return true;
    switch (advance.boundaryMode) {
    case 1:
        return outcome.crossedEdge || outcome.outOfBounds;
    case 2:
        return outcome.outOfBounds;
    default:
        return outcome.outOfBounds && advance.distanceLimit <= 0 && advance.timeLimit <= 0;
    }
}

} // namespace

// Visits the sprites that exist at the start of the tick, bottom first. Handlers may add and remove
// sprites meanwhile: removed ones are skipped and new ones wait for the next tick.
void Stage::Impl::tick(std::int64_t nowMs)
{
    std::vector<SpriteId> ids = std::move(m_tickIds);
    ids.clear();
    for (const Sprite* sprite : m_zOrder)
        ids.push_back(sprite->id);
    for (SpriteId id : ids) {
        Sprite* sprite = find(id);
        if (sprite == nullptr)
            continue;
        if (sprite->deathMs && nowMs >= *sprite->deathMs) {
            remove(id);
            continue;
        }
        if (sprite->visible && sprite->animation.active && nowMs >= sprite->animation.dueMs) {
            stepAnimation(*sprite, nowMs);
            sprite = find(id); // the animation's end may have removed it
        }
        if (sprite != nullptr && sprite->visible && sprite->advance.active)
            stepAdvance(*sprite, nowMs);
    }
    m_tickIds = std::move(ids);
}

std::optional<std::int64_t> Stage::Impl::nextDueMs() const
{
    std::optional<std::int64_t> due;
    const auto consider = [&due](std::int64_t ms) { due = due ? std::min(*due, ms) : ms; };
    for (const Sprite* sprite : m_zOrder) {
        if (sprite->deathMs)
            consider(*sprite->deathMs);
        if (!sprite->visible)
            continue;
        if (sprite->animation.active)
            consider(sprite->animation.dueMs);
        const Advance& advance = sprite->advance;
        if (advance.active) {
            consider(advance.baseMs + advance.interval);
            if (advance.timeLimit > 0)
                consider(advance.startMs + advance.timeLimit);
        }
    }
    return due;
}

void Stage::Impl::stepAdvance(Sprite& sprite, std::int64_t nowMs)
{
    const SpriteId id = sprite.id;
    Advance& advance = sprite.advance;
    if (advance.timeLimit > 0 && nowMs - advance.startMs >= advance.timeLimit) {
        stopAdvance(id);
        return;
    }
    if (nowMs - advance.baseMs < advance.interval)
        return;
    advance.baseMs = nextBase(advance.baseMs, advance.interval, nowMs);

    const std::int64_t x0 = sprite.left;
    const std::int64_t y0 = sprite.top;
    const Displacement move = stepAlong(sprite.props.angle, advance.step);
    advance.travelled += std::abs(static_cast<double>(advance.step));
    const unsigned generation = sprite.advanceGeneration;
    StepOutcome outcome;
    if (placeAt(sprite, sprite.x + move.dx, sprite.y + move.dy))
        outcome = detect(sprite, x0, y0);
    // Handlers may have removed the sprite or started a new advance: then its old stop rules no longer apply.
    const Sprite* after = outcome.eventRaised ? find(id) : &sprite;
    if (after == nullptr || after->advanceGeneration != generation || !after->advance.active)
        return;
    if (advanceEnds(after->advance, outcome))
        stopAdvance(id);
}

// The sprite stays where it is; it goes if its advance asked for that and no handler started a new one.
void Stage::Impl::stopAdvance(SpriteId id)
{
    Sprite* sprite = find(id);
    sprite->advance.active = false;
    const bool removeIt = sprite->advance.removeWhenStopped;
    const unsigned generation = sprite->advanceGeneration;
    listener().onAdvanceStopped(id);
    sprite = find(id);
    if (removeIt && sprite != nullptr && sprite->advanceGeneration == generation)
        remove(id);
}

void Stage::Impl::startAnimation(Sprite& sprite, int plays, bool removeWhenDone, bool selfPlaying)
{
    sprite.animation = {true, std::max(plays, 0), removeWhenDone, selfPlaying, sprite.frame, 0};
    sprite.animation.dueMs = m_clock() + frameDelay(sprite);
    ++sprite.animationGeneration;
}

int Stage::Impl::frameDelay(const Sprite& sprite) const
{
    if (sprite.animation.selfPlaying && sprite.props.gifDelay > 0)
        return sprite.props.gifDelay;
    const Frame* frame = sprite.currentFrame();
    return frame ? frame->delayMs : kDefaultFrameDelayMs;
}

// Shows the next frame once the current one has had its time (the tick checks that, and that the sprite
// is shown: a hidden sprite's animation waits).
void Stage::Impl::stepAnimation(Sprite& sprite, std::int64_t nowMs)
{
    Animation& animation = sprite.animation;
    const int delayServed = frameDelay(sprite);
    if (sprite.frame + 1 < sprite.frameCount()) {
        showFrame(sprite, sprite.frame + 1);
    } else if (animation.playsLeft > 0 && --animation.playsLeft == 0) {
        finishAnimation(sprite.id);
        return;
    } else {
        showFrame(sprite, animation.firstFrame);
    }
    animation.dueMs = nextBase(animation.dueMs - delayServed, delayServed, nowMs) + frameDelay(sprite);
}

void Stage::Impl::finishAnimation(SpriteId id)
{
    Sprite* sprite = find(id);
    sprite->animation.active = false;
    const bool removeIt = sprite->animation.removeWhenDone;
    const unsigned generation = sprite->animationGeneration;
    listener().onAnimationFinished(id);
    sprite = find(id);
    if (removeIt && sprite != nullptr && sprite->animationGeneration == generation)
        remove(id);
}

} // namespace stage
