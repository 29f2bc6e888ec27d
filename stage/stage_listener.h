#pragma once

#include <cstdint>

namespace stage {

using SpriteId = std::int32_t;

// Receives the stage's events, synchronously, on the thread that ticks the stage.
// A handler may create, move and destroy sprites, the one named in the event included.
// Positions are whole pixels, truncated toward zero, taken before the step.
class StageListener {
public:
    virtual ~StageListener() = default;
    // 碰撞到物体: a sprite moving by itself ran into another one.
    virtual void onSpriteCollision(SpriteId /*mover*/, int /*x0*/, int /*y0*/, SpriteId /*hit*/) { }
    // 碰撞到边界: a moving sprite has opaque pixels beyond the edges in the mask (1 left, 2 top, 4 right, 8 bottom).
    virtual void onBoundaryHit(SpriteId /*id*/, int /*x0*/, int /*y0*/, int /*edges*/) { }
    // 越出边界: no opaque pixel of the sprite is left inside the drawing area.
    virtual void onOutOfBounds(SpriteId /*id*/) { }
    // 自动前进停止
    virtual void onAdvanceStopped(SpriteId /*id*/) { }
    // 动画播放完毕
    virtual void onAnimationFinished(SpriteId /*id*/) { }
    // 物体将销毁
    virtual void onSpriteWillBeDestroyed(SpriteId /*id*/) { }
};

} // namespace stage
