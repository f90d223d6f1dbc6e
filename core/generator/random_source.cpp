#include "core/generator/random_source.h"

void RandomSource::SeedRandom() {
    uint32_t seed = tick_() + seedCounter_;
    seedCounter_ += (seed & 0xFFu) + 100u;
    state_ = seed;
}

int32_t RandomSource::RandomBetween(int32_t low, int32_t high) {
    if (low < 0) low = 0;
    if (high < 0) high = 0;
    int32_t lo = low < high ? low : high;
    int32_t hi = low < high ? high : low;
    if (lo == hi) return lo;
    uint32_t span = static_cast<uint32_t>(hi - lo);  // both bounds are >= 0, so this cannot overflow
    if (span > 0x7FFFFFFEu) span = 0x7FFFFFFEu;
    return lo + static_cast<int32_t>(Step() % (span + 1));
}

RandomSource& ProgramRandomSource() {
    static RandomSource source;
    return source;
}
