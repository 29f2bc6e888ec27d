#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "platform/seeded_random.h"

namespace {

std::vector<int> drawSequence(platform::SeededRandom& random, int count)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.between(0, 1'000'000));
    return values;
}

TEST(SeededRandom, DrawsCoverBothInclusiveBoundsAndNothingElse)
{
    platform::SeededRandom random;
    random.reseed(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i)
        seen.insert(random.between(65, 90));
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_EQ(*seen.begin(), 65);
    EXPECT_EQ(*seen.rbegin(), 90);
}

TEST(SeededRandom, TwoSeedingsInTheSameMillisecondGiveDifferentSequences)
{
    platform::SeededRandom random;
    random.reseed(1234);
    const auto first = drawSequence(random, 8);
    random.reseed(1234);
    EXPECT_NE(drawSequence(random, 8), first);
}

TEST(SeededRandom, SameHistoryOfSeedingsGivesTheSameSequence)
{
    platform::SeededRandom a, b;
    a.reseed(7);
    b.reseed(7);
    EXPECT_EQ(drawSequence(a, 8), drawSequence(b, 8));
}

} // namespace
