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
StepOutcome Stage::Impl::detect(SpriteId id, std::int64_t x0, std::int64_t y0)
{
    StepOutcome outcome;
    const Sprite* sprite = find(id);
    const EdgeReport edges
        = checkEdges(maskOf(*sprite), truncatePosition(sprite->x), truncatePosition(sprite->y), m_width, m_height);
    outcome.outOfBounds = edges.outOfBounds;
    outcome.crossedEdge = edges.edges != 0;
    if (edges.outOfBounds)
        listener().onOutOfBounds(id);
    else if (edges.edges != 0)
        listener().onBoundaryHit(id, eventCoordinate(x0), eventCoordinate(y0), edges.edges);

    Sprite* mover = find(id);
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
    play(mover->props.collidedSound);
    listener().onSpriteCollision(id, eventCoordinate(x0), eventCoordinate(y0), partner);
    return outcome;
}

// The topmost sprite of the mover's layer, of another type and open to collisions, that has an opaque
// pixel where the mover has one. Sprites of higher layers are passed over and lower layers end the
// search, so only the mover's own layer counts; there, a higher id lies higher.
SpriteId Stage::Impl::findPartner(const Sprite& mover)
{
    const OpacityMask& mask = maskOf(mover);
    if (mask.isEmpty())
        return 0;
    m_candidates.clear();
    m_grid.collect(mover.cells, m_candidates);
    std::sort(m_candidates.begin(), m_candidates.end(), [](const Sprite* a, const Sprite* b) { return a->id > b->id; });
    m_candidates.erase(std::unique(m_candidates.begin(), m_candidates.end()), m_candidates.end());

    const std::int64_t x = truncatePosition(mover.x);
    const std::int64_t y = truncatePosition(mover.y);
    for (const Sprite* other : m_candidates) {
        if (other == &mover || other->props.layer != mover.props.layer || !other->props.collideAllowed
            || other->props.type == mover.props.type)
            continue;
        if (OpacityMask::overlap(mask, x, y, maskOf(*other), truncatePosition(other->x), truncatePosition(other->y)))
            return other->id;
    }
    return 0;
}

} // namespace stage
