#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace game {

// One letter sprite the game is tracking.
struct FallingLetter {
    std::int32_t spriteId = 0;
    std::string text; // one character: 0-9 or A-Z
    std::int32_t column = 0; // lane 1..10; its left edge is at x = 42 * column
    std::int32_t interval = 0; // ms between its 10-pixel steps, so it can fall on after a stop
};

// The letters on the stage that still count, in the order they were launched.
class FallingLetters {
public:
    using Position = std::size_t;

    void appendLetter(const FallingLetter& letter);
    [[nodiscard]] std::optional<Position> findLetterBySprite(std::int32_t spriteId) const;
    [[nodiscard]] std::optional<Position> findLetterByText(const std::string& text) const; // exact, no case folding
    void removeLetterAt(Position position);
    void clearLetters();

    [[nodiscard]] const FallingLetter& at(Position position) const { return m_letters.at(position); }
    [[nodiscard]] std::size_t size() const { return m_letters.size(); }
    [[nodiscard]] bool empty() const { return m_letters.empty(); }
    [[nodiscard]] const std::vector<FallingLetter>& letters() const { return m_letters; }

private:
    std::vector<FallingLetter> m_letters;
};

} // namespace game
