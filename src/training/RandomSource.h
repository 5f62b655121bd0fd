#pragma once

#include <cstdint>

namespace sonnavet {

// Random numbers with the C library's classic contract: 0 to 32767.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int Rand() = 0;
    // One draw modulo n.
    int Draw(int n) { return Rand() % n; }
};

// The classic linear congruential generator, so that a seed gives the same
// exercises on every platform.
class ClassicRandom : public RandomSource {
public:
    void Seed(std::uint32_t seed) { state = seed; }
    int Rand() override
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state = 1;
};

}  // namespace sonnavet
