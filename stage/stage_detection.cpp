#include <algorithm>

#include "stage/detection.h"
#include "stage/geometry.h"
#include "stage/stage_impl.h"

namespace stage {
namespace {

const OpacityMask kNoPixels;

const OpacityMask& maskOf(const Sprite& sprite)
{
    const Frame* frame = sprite.currentFrame();
    return frame ? frame->mask : kNoPixels;
}

} // namespace

// Checks the sprite where it stands now against the edges and the other sprites, after a step from
// (x0, y0). The edge test comes first; each event's handler may change the stage.
StepOutcome Stage::Impl::detect(Sprite& sprite, std::int64_t x0, std::int64_t y0)
{
    const SpriteId id = sprite.id;
    StepOutcome outcome;
    const EdgeReport edges = checkEdges(maskOf(sprite), sprite.left, sprite.top, m_width, m_height);
    outcome.outOfBounds = edges.outOfBounds;
    outcome.crossedEdge = edges.edges != 0;
    outcome.eventRaised = edges.outOfBounds || edges.edges != 0;
    if (edges.outOfBounds)
        listener().onOutOfBounds(id);
    else if (edges.edges != 0)
        listener().onBoundaryHit(id, eventCoordinate(x0), eventCoordinate(y0), edges.edges);

    Sprite* mover = outcome.eventRaised ? find(id) : &sprite;
    if (mover == nullptr || !mover->props.collideAllowed)
        return outcome;
    const SpriteId partner = findPartner(*mover);
    if (partner == 0) {
        mover->lastPartner = 0;
        return outcome;
    }
    outcome.collided = true;
    if (partner == mover->lastPartner)
        return outcome;
    mover->lastPartner = partner;
    outcome.eventRaised = true;
    play(mover->props.collidedSound);
    listener().onSpriteCollision(id, eventCoordinate(x0), eventCoordinate(y0), partner);
    return outcome;
}

// The topmost sprite of the mover's layer, of another type and open to collisions, that has an opaque
// pixel where the mover has one. Sprites of higher layers are passed over and lower layers end the
// search, so only the mover's own layer counts; there, a higher id lies higher. Only candidates above
// the best partner found so far need the pixel test.
SpriteId Stage::Impl::findPartner(const Sprite& mover)
{
    const OpacityMask& mask = maskOf(mover);
    if (mask.isEmpty())
        return 0;
    SpriteId best = 0;
    m_grid.forEach(mover.cells, [&](const GridEntry& other) {
        if (other.id <= best || other.sprite == &mover || other.layer != mover.props.layer || !other.collideAllowed
            || other.type == mover.props.type)
            return;
        const Sprite& sprite = *other.sprite;
        if (OpacityMask::overlap(mask, mover.left, mover.top, maskOf(sprite), sprite.left, sprite.top))
            best = other.id;
    });
    return best;
}

} // namespace stage
