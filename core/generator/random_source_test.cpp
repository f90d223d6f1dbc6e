#include "core/generator/random_source.h"

#include <gtest/gtest.h>

namespace {

uint32_t gTick = 0;
uint32_t FixedTick() { return gTick; }

TEST(RandomSource, SeedOneGives41) {
    RandomSource r(FixedTick);
    r.SetState(1);
    EXPECT_EQ(r.Step(), 41u);
}

TEST(RandomSource, TwoSeedsInOneMillisecondDiffer) {
    gTick = 1000;
    RandomSource r(FixedTick);
    r.SeedRandom();
    EXPECT_EQ(r.SeedCounter(), 332u);
    RandomSource expect(FixedTick);
    expect.SetState(1000);
    EXPECT_EQ(r.Step(), expect.Step());

    r.SeedRandom();  // seed 1332
    EXPECT_EQ(r.SeedCounter(), 484u);
    expect.SetState(1332);
    EXPECT_EQ(r.Step(), expect.Step());
}

TEST(RandomSource, SeedWrapsModulo2To32) {
    gTick = 0xFFFFFFFFu;
    RandomSource r(FixedTick);
    r.SeedRandom();  // seed 0xFFFFFFFF: counter 0 + 0xFF + 100
    EXPECT_EQ(r.SeedCounter(), 355u);
    r.SeedRandom();  // seed wraps to 354: counter 355 + 0x62 + 100
    EXPECT_EQ(r.SeedCounter(), 355u + 354u % 256u + 100u);
}

TEST(RandomBetween, Cases) {
    struct Case { int32_t low, high; uint32_t state; int32_t want; };
    // state 1 makes the next output 41.
    const Case cases[] = {
        {1, 1, 1, 1},         // equal bounds: no step
        {5, 5, 1, 5},
        {1, 10, 1, 1 + 41 % 10},
        {10, 1, 1, 1 + 41 % 10},     // either order
        {-5, 3, 1, 0 + 41 % 4},      // a negative bound counts as 0
        {-5, -1, 1, 0},
        {0, INT32_MAX, 1, 41},       // span capped at 0x7FFFFFFE
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << ".." << c.high);
        RandomSource r(FixedTick);
        r.SetState(c.state);
        EXPECT_EQ(r.RandomBetween(c.low, c.high), c.want);
    }
}

TEST(RandomBetween, EqualBoundsDoNotStep) {
    RandomSource r(FixedTick);
    r.SetState(1);
    r.RandomBetween(3, 3);
    EXPECT_EQ(r.Step(), 41u);
}

}  // namespace
