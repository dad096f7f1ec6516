#pragma once

#include <cstdint>
#include <functional>

// A draw uniform in [0, 1), held to single precision so that a scaled draw
// never rounds up to the top of its range.
using UniformDraw = std::function<float()>;

// The shuffles re-seed from the time of day before every draw. Re-seeding here
// folds the clock into the running state instead of restarting the sequence, so
// two seedings within the same second still give different draws.
class ReseedingRandom {
public:
    explicit ReseedingRandom(std::function<int()> secondsSinceMidnight = defaultClock());

    float operator()();

    static std::function<int()> defaultClock();

private:
    std::uint64_t next();

    std::function<int()> clock_;
    std::uint64_t state_;
};
