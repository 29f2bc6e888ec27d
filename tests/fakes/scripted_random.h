#pragma once

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "game/random_source.h"

namespace fakes {

// Returns queued values in order and records each draw's bounds and each reseeding. With the queue
// empty it returns the lower bound.
class ScriptedRandom : public game::RandomSource {
public:
    std::deque<std::int32_t> queued;
    std::vector<std::pair<std::int32_t, std::int32_t>> draws; // (low, high) of every draw
    std::vector<std::int32_t> seeds; // uptime given at every reseeding

    void reseed(std::int32_t uptimeMs) override { seeds.push_back(uptimeMs); }

    std::int32_t between(std::int32_t low, std::int32_t high) override
    {
        draws.emplace_back(low, high);
        if (queued.empty())
            return low;
        const std::int32_t value = queued.front();
        queued.pop_front();
        return value;
    }

    // Queues the three draws that make a letter show ch: the choice, a digit code and a capital code.
    void queueCharacter(char ch)
    {
        const bool digit = ch >= '0' && ch <= '9';
        queued.push_back(digit ? 1 : 2);
        queued.push_back(digit ? ch : '0');
        queued.push_back(digit ? 'A' : ch);
    }
};

} // namespace fakes
