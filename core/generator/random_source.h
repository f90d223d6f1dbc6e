// The system's one source of random numbers: a 15-bit linear congruential generator, re-seeded
// from the millisecond tick count and a counter that makes two seeds in the same millisecond differ.
#pragma once

#include <cstdint>

// The system's millisecond tick count (GetTickCount on Windows).
uint32_t SystemTickCount();

class RandomSource {
public:
    using TickSource = uint32_t (*)();
    explicit RandomSource(TickSource tick = SystemTickCount) : tick_(tick) {}

    // seed = tick + SeedCounter; SeedCounter grows by 100 + (seed & 0xFF); the state becomes seed.
    void SeedRandom();

    // A number from the closed range between the bounds; a negative bound counts as 0.
    int32_t RandomBetween(int32_t low, int32_t high);

    // Advances the state and yields 0 to 32,767.
    uint32_t Step() {
        state_ = state_ * 214013u + 2531011u;
        return (state_ >> 16) & 0x7FFFu;
    }

    void SetState(uint32_t state) { state_ = state; }
    uint32_t SeedCounter() const { return seedCounter_; }

private:
    TickSource tick_;
    uint32_t state_ = 0;
    uint32_t seedCounter_ = 0;
};

// The random source of the running program; its SeedCounter lives as long as the process.
RandomSource& ProgramRandomSource();
