#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/falling_letters.h"

namespace {

class FallingLettersTest : public ::testing::Test {
protected:
    // Sprite ids 11, 12, ... showing the given characters in lanes 1, 2, ...
    void launch(const std::string& characters)
    {
        for (char ch : characters) {
            const int n = static_cast<int>(list.size()) + 1;
            list.appendLetter({.spriteId = 10 + n, .text = std::string(1, ch), .column = n});
        }
    }

    std::vector<int> spriteIds() const
    {
        std::vector<int> ids;
        for (const auto& letter : list.letters())
            ids.push_back(letter.spriteId);
        return ids;
    }

    game::FallingLetters list;
};

TEST_F(FallingLettersTest, FindsTheFirstLaunchedOfTwoEqualLetters)
{
    launch("AKBK");
    EXPECT_EQ(list.findLetterByText("K"), 1u);
    EXPECT_EQ(list.findLetterBySprite(14), 3u);
    EXPECT_EQ(list.findLetterBySprite(99), std::nullopt);
}

TEST_F(FallingLettersTest, ComparesTextExactlyWithoutFoldingCase)
{
    launch("A7");
    EXPECT_EQ(list.findLetterByText("a"), std::nullopt);
    EXPECT_EQ(list.findLetterByText("A"), 0u);
    EXPECT_EQ(list.findLetterByText("7"), 1u);
    EXPECT_EQ(list.findLetterByText("A7"), std::nullopt);
}

TEST_F(FallingLettersTest, RemovalAnywhereKeepsTheOthersInLaunchOrder)
{
    launch("ABCDE");
    list.removeLetterAt(4); // last
    EXPECT_EQ(spriteIds(), (std::vector<int> {11, 12, 13, 14}));
    list.removeLetterAt(0); // first
    EXPECT_EQ(spriteIds(), (std::vector<int> {12, 13, 14}));
    list.removeLetterAt(1); // middle
    EXPECT_EQ(spriteIds(), (std::vector<int> {12, 14}));
    EXPECT_EQ(list.at(1).text, "D");
    EXPECT_EQ(list.at(1).column, 4);
}

TEST_F(FallingLettersTest, AppendedRecordsKeepTheirOwnCopyOfTheText)
{
    game::FallingLetter working {.spriteId = 5, .text = "Q", .column = 3};
    list.appendLetter(working);
    working.text = "Z";
    EXPECT_EQ(list.at(0).text, "Q");
    list.clearLetters();
    EXPECT_TRUE(list.empty());
}

} // namespace
