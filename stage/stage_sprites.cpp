#include <algorithm>

#include "stage/geometry.h"
#include "stage/stage_impl.h"

namespace stage {
namespace {

// Z-order: bottom first, by layer, and within a layer by id, the newest on top.
bool below(const Sprite* a, const Sprite* b)
{
    return a->props.layer != b->props.layer ? a->props.layer < b->props.layer : a->id < b->id;
}

const Image kNoImage;

} // namespace

Stage::Impl::Impl(int width, int height, Clock clock, SoundPlayer& sounds, TextRasterizer& text)
    : m_width(width)
    , m_height(height)
    , m_clock(std::move(clock))
    , m_sounds(sounds)
    , m_text(text)
    , m_grid(width, height)
    , m_pictures(text)
{ }

Sprite* Stage::Impl::find(SpriteId id) const
{
    auto it = m_sprites.find(id);
    return it == m_sprites.end() ? nullptr : it->second.get();
}

// A sprite with the next id, not yet on the stage.
std::unique_ptr<Sprite> Stage::Impl::newSprite(double x, double y, bool visible)
{
    auto sprite = std::make_unique<Sprite>();
    sprite->id = ++m_lastId;
    sprite->visible = visible;
    sprite->moveTo(x, y);
    return sprite;
}

SpriteId Stage::Impl::insert(std::unique_ptr<Sprite> sprite)
{
    Sprite* raw = sprite.get();
    m_sprites.emplace(raw->id, std::move(sprite));
    m_zOrder.insert(std::upper_bound(m_zOrder.begin(), m_zOrder.end(), raw, below), raw);
    refreshCells(*raw);
    ++m_revision;
    return raw->id;
}

void Stage::Impl::remove(SpriteId id)
{
    Sprite* sprite = find(id);
    if (sprite == nullptr || sprite->dying)
        return;
    sprite->dying = true;
    const Sound sound = sprite->props.destroySound;
    listener().onSpriteWillBeDestroyed(id);
    play(sound);
    erase(id);
}

void Stage::Impl::erase(SpriteId id)
{
    Sprite* sprite = find(id);
    if (sprite == nullptr)
        return;
    m_grid.remove(gridEntryOf(*sprite), sprite->cells);
    auto it = std::lower_bound(m_zOrder.begin(), m_zOrder.end(), sprite, below);
    if (it != m_zOrder.end() && *it == sprite)
        m_zOrder.erase(it);
    m_sprites.erase(id);
    ++m_revision;
}

void Stage::Impl::showPicture(Sprite& sprite, PicturePtr picture, bool showsText)
{
    sprite.picture = std::move(picture);
    sprite.frame = 0;
    sprite.showsText = showsText;
    sprite.animation = {};
    ++sprite.animationGeneration;
    refreshCells(sprite);
    ++m_revision;
    if (sprite.props.playGif && sprite.frameCount() > 1)
        startAnimation(sprite, sprite.props.gifAutoDestroy ? 1 : 0, sprite.props.gifAutoDestroy, true);
}

// A sprite with text shows the text in its font and colour, otherwise its picture.
void Stage::Impl::showOwnImage(Sprite& sprite)
{
    if (!sprite.props.text.empty())
        showPicture(sprite, m_pictures.text(sprite.props.text, sprite.props.font, sprite.props.textColor), true);
    else
        showPicture(sprite, m_pictures.gif(sprite.pictureBytes, sprite.pictureTransparency), false);
}

void Stage::Impl::showFrame(Sprite& sprite, int frame)
{
    if (frame == sprite.frame)
        return;
    sprite.frame = frame;
    refreshCells(sprite);
    ++m_revision;
}

bool Stage::Impl::placeAt(Sprite& sprite, double x, double y)
{
    if (!sprite.moveTo(x, y))
        return false;
    refreshCells(sprite);
    ++m_revision;
    return true;
}

// Keeps the grid's record of the cells that the sprite's opaque pixels touch.
void Stage::Impl::refreshCells(Sprite& sprite)
{
    CellRange cells;
    if (const Frame* frame = sprite.currentFrame(); frame != nullptr && !frame->mask.isEmpty()) {
        const OpacityMask& mask = frame->mask;
        cells = m_grid.cellsOf(
            sprite.left + mask.minX(), sprite.top + mask.minY(), sprite.left + mask.maxX(), sprite.top + mask.maxY());
    }
    if (cells == sprite.cells)
        return;
    m_grid.remove(gridEntryOf(sprite), sprite.cells);
    m_grid.insert(gridEntryOf(sprite), cells);
    sprite.cells = cells;
}

GridEntry Stage::Impl::gridEntryOf(Sprite& sprite)
{
    return {&sprite, sprite.id, sprite.props.layer, sprite.props.type, sprite.props.collideAllowed};
}

void Stage::Impl::startLifetime(Sprite& sprite)
{
    if (sprite.props.existTime > 0)
        sprite.deathMs = m_clock() + sprite.props.existTime;
}

SpriteView Stage::Impl::viewOf(const Sprite& sprite) const
{
    const Frame* frame = sprite.currentFrame();
    return {sprite.id, eventCoordinate(sprite.left), eventCoordinate(sprite.top), sprite.visible, sprite.props.layer,
        sprite.props.type, &sprite.props.text, frame ? &frame->image : &kNoImage, sprite.advance.active};
}

} // namespace stage
