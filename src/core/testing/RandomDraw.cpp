#include "core/testing/RandomDraw.h"

#include <chrono>

ReseedingRandom::ReseedingRandom(std::function<int()> secondsSinceMidnight)
    : clock_(std::move(secondsSinceMidnight))
    , state_(0x9e3779b97f4a7c15ULL)
{
}

std::function<int()> ReseedingRandom::defaultClock()
{
    // The clock's own day, not the local one: asking for local time reads the
    // time zone on every draw, and any second of the day seeds as well.
    return [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        return static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(now).count() % 86400);
    };
}

std::uint64_t ReseedingRandom::next()
{
    // splitmix64: a full-period sequence, so folding in the same seed again
    // still moves on.
    state_ += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

float ReseedingRandom::operator()()
{
    state_ ^= static_cast<std::uint64_t>(clock_()) * 0xd1b54a32d192ed03ULL;
    return static_cast<float>(next() >> 40) / static_cast<float>(1 << 24);
}
