#include "core/generator/passphrase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::string_view kDefaultPool = "one、two、three、four、five、six、seven、eight、nine、ten、48zumbo";

uint32_t gTick = 0;
uint32_t FixedTick() { return gTick; }

// The first tick whose seed (with a fresh SeedCounter) makes the generator draw `draws` (1-based)
// from a list of n words.
uint32_t TickForDraws(int32_t n, std::vector<int32_t> draws) {
    for (uint32_t t = 0;; ++t) {
        RandomSource probe(FixedTick);
        probe.SetState(t);
        bool all = true;
        for (int32_t d : draws) all = all && 1 + static_cast<int32_t>(probe.Step() % static_cast<uint32_t>(n)) == d;
        if (all) return t;
    }
}

Text Assemble(std::string_view pool, int32_t maxLength, uint32_t tick) {
    gTick = tick;
    RandomSource random(FixedTick);
    WordList words(pool);
    return AssemblePassphrase(words, maxLength, random);
}

TEST(WordList, SplitsAtTheSeparator) {
    struct Case { std::string_view pool; int32_t size; };
    const Case cases[] = {{kDefaultPool, 11}, {"a、、b", 3}, {"a、b、", 2}, {"", 0}, {"x", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pool));
        EXPECT_EQ(WordList(c.pool).Size(), c.size);
    }
}

TEST(AssemblePassphrase, DrawnExamples) {
    struct Case { std::string_view pool; int32_t n, maxLength; std::vector<int32_t> draws; std::string want; };
    const Case cases[] = {
        // after "seven" the letters are 13, so that word is dropped too
        {kDefaultPool, 11, 13, {1, 3, 7}, "one three "},
        {kDefaultPool, 11, 14, {1, 3, 7, 11}, "one three seven "},
        // an empty member adds only its space
        {"a、、b", 3, 2, {1, 2, 3}, "a  "},
        // the first word already has M letters: nothing else is tried
        {"toolong、a", 2, 7, {1}, ""},
        {"toolong、a", 2, 8, {1, 2}, "toolong "},
        {"toolong、a", 2, 9, {1, 2, 1}, "toolong a "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(Assemble(c.pool, c.maxLength, TickForDraws(c.n, c.draws)), c.want);
    }
}

TEST(AssemblePassphrase, SingleWordNeverStepsTheGenerator) {
    struct Case { std::string_view pool; int32_t maxLength; std::string want; };
    const Case cases[] = {
        {"abc", 10, "abc abc abc "},       // 9 letters; a fourth word would make 12
        {"啊啊", 9, "啊啊 啊啊 "},          // double-byte letters count 2
        {"abc", 3, ""},
        {"abc、", 4, "abc "},              // a final separator gives no empty member
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        gTick = 777;
        RandomSource random(FixedTick);
        EXPECT_EQ(AssemblePassphrase(WordList(c.pool), c.maxLength, random), c.want);
        RandomSource fresh(FixedTick);
        fresh.SetState(777);
        EXPECT_EQ(random.Step(), fresh.Step());
    }
}

TEST(AssemblePassphrase, NothingToDraw) {
    struct Case { std::string pool; int32_t maxLength; };
    std::string manyEmpty(32768 * 2, '\0');
    for (size_t i = 0; i < manyEmpty.size(); i += 2) manyEmpty.replace(i, 2, "、");
    const Case cases[] = {
        {std::string(kDefaultPool), 0},
        {std::string(kDefaultPool), -5},
        {"", 13},
        {"、、", 13},          // only empty members: the letters could never grow
        {"、", INT32_MAX},
        {manyEmpty + "x", 5},  // word 32,769 and after can never be drawn
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxLength);
        EXPECT_EQ(Assemble(c.pool, c.maxLength, 1), "");
    }
}

// Letters of a passphrase, and whether it is a run of pool words each followed by one space.
bool IsRunOfWords(const std::string& passphrase, std::string_view pool, int64_t* letters) {
    std::vector<std::string_view> words = SplitTextViews(pool, kWordSeparator);
    *letters = 0;
    size_t p = 0;
    while (p < passphrase.size()) {
        size_t space = passphrase.find(' ', p);
        if (space == std::string::npos) return false;
        std::string_view word(passphrase.data() + p, space - p);
        bool member = false;
        for (std::string_view w : words) member = member || w == word;
        if (!member) return false;
        *letters += static_cast<int64_t>(word.size());
        p = space + 1;
    }
    return true;
}

TEST(AssemblePassphrase, StaysBelowTheMaximumForManySeeds) {
    for (int32_t maxLength : {1, 5, 13, 100, 99999}) {
        for (uint32_t tick = 0; tick < 200; tick += 7) {
            Text p = Assemble(kDefaultPool, maxLength, tick);
            int64_t letters = 0;
            ASSERT_TRUE(IsRunOfWords(p, kDefaultPool, &letters)) << p;
            EXPECT_LT(letters, maxLength);
            // it stops only when the next word would reach M; the longest word has 7 letters
            if (maxLength > 7) {
                EXPECT_GT(letters, maxLength - 8);
            }
        }
    }
}

TEST(AssemblePassphrase, HugeMaximumIsCapped) {
    for (std::string_view pool : {std::string_view("abc"), kDefaultPool, std::string_view("、、、a")}) {
        Text p = Assemble(pool, INT32_MAX, 42);
        EXPECT_LE(p.size(), kMaxPassphraseBytes);
        EXPECT_GT(p.size(), kMaxPassphraseBytes - 16);
    }
}

TEST(AssemblePassphrase, DrawsBeyondTheFirst32768WordsNever) {
    // 40,000 one-letter words: only words 1 to 32,768 can be drawn.
    std::string pool;
    for (int i = 0; i < 40000; ++i) {
        pool += i < 32768 ? "a" : "b";
        pool += "、";
    }
    Text p = Assemble(pool, 5000, 9);
    EXPECT_EQ(p.find('b'), std::string::npos);
    EXPECT_EQ(p.size(), 2u * 4999);
}

}  // namespace
