#include "stage/stage.h"

#include "stage/geometry.h"
#include "stage/stage_impl.h"

namespace stage {

Stage::Stage(int width, int height, Clock clock, SoundPlayer& sounds, TextRasterizer& text)
    : m_impl(std::make_unique<Impl>(width, height, std::move(clock), sounds, text))
{ }

Stage::~Stage() = default;

void Stage::setListener(StageListener* listener) { m_impl->m_listener = listener; }

int Stage::width() const { return m_impl->m_width; }

int Stage::height() const { return m_impl->m_height; }

SpriteId Stage::createSprite(const SpriteTemplate& tmpl, double x, double y, bool visible)
{
    auto sprite = m_impl->newSprite(x, y, visible);
    sprite->props = tmpl;
    sprite->pictureBytes = tmpl.picture;
    sprite->pictureTransparency = tmpl.autoGetTransColor ? kTopLeftTransparent : tmpl.transparentColor;
    m_impl->showOwnImage(*sprite);
    m_impl->startLifetime(*sprite);
    const SpriteId id = m_impl->insert(std::move(sprite));
    m_impl->play(tmpl.createSound);
    return id;
}

SpriteId Stage::copySprite(SpriteId source, double x, double y, bool visible)
{
    const Sprite* original = m_impl->find(source);
    if (original == nullptr)
        return -1;
    auto sprite = m_impl->newSprite(x, y, visible);
    sprite->props = original->props;
    sprite->pictureBytes = original->pictureBytes;
    sprite->pictureTransparency = original->pictureTransparency;
    m_impl->showPicture(*sprite, original->picture, original->showsText);
    sprite->frame = original->frame;
    m_impl->startLifetime(*sprite);
    return m_impl->insert(std::move(sprite));
}

void Stage::setSpriteText(SpriteId id, const std::string& text, Color color)
{
    Sprite* sprite = m_impl->find(id);
    if (sprite == nullptr)
        return;
    sprite->props.text = text;
    if (color != kDefaultColor)
        sprite->props.textColor = color;
    m_impl->showOwnImage(*sprite);
}

void Stage::setSpritePicture(SpriteId id, std::span<const unsigned char> gif, Color transparency)
{
    Sprite* sprite = m_impl->find(id);
    if (sprite == nullptr)
        return;
    sprite->pictureBytes = gif;
    sprite->pictureTransparency = transparency;
    m_impl->showPicture(*sprite, m_impl->m_pictures.gif(gif, transparency), false);
}

void Stage::moveSprite(SpriteId id, double x, double y, bool detect)
{
    Sprite* sprite = m_impl->find(id);
    if (sprite == nullptr)
        return;
    const std::int64_t x0 = sprite->left;
    const std::int64_t y0 = sprite->top;
    if (m_impl->placeAt(*sprite, x, y) && detect)
        m_impl->detect(*sprite, x0, y0);
}

void Stage::autoAdvance(SpriteId id, int step, int interval, int distanceLimit, int timeLimit, bool stopOnCollision,
    int boundaryMode, bool removeWhenStopped)
{
    Sprite* sprite = m_impl->find(id);
    if (sprite == nullptr)
        return;
    const std::int64_t now = m_impl->m_clock();
    sprite->advance = {true, step, interval, distanceLimit, timeLimit, stopOnCollision, boundaryMode, removeWhenStopped,
        now, now, 0.0};
    ++sprite->advanceGeneration;
}

void Stage::playAnimation(SpriteId id, int plays, bool removeWhenDone)
{
    if (Sprite* sprite = m_impl->find(id))
        m_impl->startAnimation(*sprite, plays, removeWhenDone, false);
}

void Stage::destroySprite(SpriteId id) { m_impl->remove(id); }

void Stage::removeAllSprites()
{
    std::vector<SpriteId> ids;
    ids.reserve(m_impl->m_zOrder.size());
    for (const Sprite* sprite : m_impl->m_zOrder)
        ids.push_back(sprite->id);
    for (SpriteId id : ids)
        m_impl->remove(id);
}

void Stage::tick(std::int64_t nowMs) { m_impl->tick(nowMs); }

bool Stage::contains(SpriteId id) const { return m_impl->find(id) != nullptr; }

SpriteView Stage::sprite(SpriteId id) const
{
    const Sprite* sprite = m_impl->find(id);
    return sprite ? m_impl->viewOf(*sprite) : SpriteView {};
}

std::optional<std::int64_t> Stage::nextDueMs() const { return m_impl->nextDueMs(); }

std::size_t Stage::spriteCount() const { return m_impl->m_sprites.size(); }

void Stage::forEachSprite(const std::function<void(const SpriteView&)>& visit) const
{
    for (const Sprite* sprite : m_impl->m_zOrder)
        visit(m_impl->viewOf(*sprite));
}

std::uint64_t Stage::revision() const { return m_impl->m_revision; }

} // namespace stage
