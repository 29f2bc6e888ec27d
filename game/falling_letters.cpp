#include "game/falling_letters.h"

#include <algorithm>
#include <iterator>

namespace game {

void FallingLetters::appendLetter(const FallingLetter& letter) { m_letters.push_back(letter); }

std::optional<FallingLetters::Position> FallingLetters::findLetterBySprite(std::int32_t spriteId) const
{
    const auto it = std::ranges::find(m_letters, spriteId, &FallingLetter::spriteId);
    if (it == m_letters.end())
        return std::nullopt;
    return static_cast<Position>(std::distance(m_letters.begin(), it));
}

std::optional<FallingLetters::Position> FallingLetters::findLetterByText(const std::string& text) const
{
    const auto it = std::ranges::find(m_letters, text, &FallingLetter::text);
    if (it == m_letters.end())
        return std::nullopt;
    return static_cast<Position>(std::distance(m_letters.begin(), it));
}

void FallingLetters::removeLetterAt(Position position)
{
    m_letters.erase(m_letters.begin() + static_cast<std::ptrdiff_t>(position));
}

void FallingLetters::clearLetters() { m_letters.clear(); }

} // namespace game
