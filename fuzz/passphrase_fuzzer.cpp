// AssemblePassphrase with arbitrary pools, maximum lengths and clocks, checked against the plain
// rules: the pool cut at every separator that starts a character, draw RandomBetween(1, N), stop
// before the word that would bring the letters to M.
//
// Input: byte 0 flags, bytes 1-4 M and bytes 5-8 the tick (little-endian), byte 9 a repeat count r,
// then the pool with its zero bytes dropped. M is taken modulo 4096 unless the flags are 0x0F or
// 0xFF, and only flags 0xFF repeat the pool 1 + r*r times (up to 96 KiB), so that pools of more
// than 32,768 words occur.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/generator/passphrase.h"
#include "core/generator/random_source.h"
#include "core/text/text.h"
#include "fuzz/fuzz_check.h"

namespace {

uint32_t gTick = 0;
uint32_t FuzzTick() { return gTick; }

uint32_t LittleEndian(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// The words of the pool by the plain rule: a separator counts where a character starts (a byte of
// 0x80 or more starts a two-byte character), and nothing after a last separator is a word. Kept in
// one vector for the whole run, so a pool of 49,152 words allocates nothing per input. Not traced
// for coverage, like the check below: the split under test is WordList's.
__attribute__((no_sanitize("coverage"))) const std::vector<std::string_view>& PlainWords(std::string_view pool) {
    static std::vector<std::string_view> words;
    words.clear();
    size_t start = 0;
    for (size_t p = 0; p + 1 < pool.size();) {
        if (pool[p] == kWordSeparator[0] && pool[p + 1] == kWordSeparator[1]) {
            words.push_back(pool.substr(start, p - start));
            p += 2;
            start = p;
        } else {
            p += static_cast<unsigned char>(pool[p]) >= 0x80 ? 2 : 1;
        }
    }
    if (start < pool.size()) words.push_back(pool.substr(start));
    return words;
}

// Whether `passphrase` is what the rules build with the same random source, drawn word by word and
// matched in place (no copy, so runs with a huge maximum stay quick); counts its words. Not traced
// for coverage: it is the check, not the code under test.
__attribute__((no_sanitize("coverage"))) bool FollowsTheRules(std::string_view passphrase,
                                                              const std::vector<std::string_view>& words,
                                                              int32_t maxLength, RandomSource& random,
                                                              size_t* wordCount) {
    random.SeedRandom();
    *wordCount = 0;
    int32_t n = static_cast<int32_t>(words.size());
    if (maxLength <= 0 || n == 0) return passphrase.empty();
    // Words past 32,768 are never drawn: if none of the others has a letter, the letters could never
    // grow, and the result is empty.
    bool anyLetter = false;
    for (int32_t i = 0; i < std::min(n, 32768) && !anyLetter; ++i) anyLetter = !words[static_cast<size_t>(i)].empty();
    if (!anyLetter) return passphrase.empty();

    size_t length = 0;
    int64_t letters = 0;
    for (;;) {
        std::string_view word = words[static_cast<size_t>(random.RandomBetween(1, n)) - 1];
        if (letters + static_cast<int64_t>(word.size()) >= maxLength) break;
        if (length + word.size() + 1 > kMaxPassphraseBytes) break;  // the cap on memory
        if (passphrase.size() <= length + word.size() || passphrase[length + word.size()] != ' ') return false;
        for (size_t i = 0; i < word.size(); ++i)  // byte by byte: memcmp would be traced
            if (passphrase[length + i] != word[i]) return false;
        length += word.size() + 1;
        letters += static_cast<int64_t>(word.size());
        ++*wordCount;
    }
    return length == passphrase.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10) return 0;
    int32_t maxLength = static_cast<int32_t>(LittleEndian(data + 1));
    const bool longRun = data[0] == 0x0F || data[0] == 0xFF;
    if (!longRun) maxLength %= 4096;
    gTick = LittleEndian(data + 5);

    // The pool is built in one buffer kept for the whole run (WordList takes its own copy).
    static std::string pool;
    pool.clear();
    for (size_t i = 10; i < size; ++i)
        if (data[i] != 0) pool += static_cast<char>(data[i]);
    const size_t unit = pool.size();
    size_t repeats = data[0] == 0xFF ? 1 + static_cast<size_t>(data[9]) * data[9] : 1;
    if (unit != 0) repeats = std::max<size_t>(1, std::min(repeats, (size_t{96} << 10) / unit));
    const size_t poolSize = unit * repeats;
    pool.reserve(poolSize);
    while (pool.size() < poolSize) pool.append(pool, 0, std::min(pool.size(), poolSize - pool.size()));  // doubling

    WordList words(pool);
    const std::vector<std::string_view>& plainWords = PlainWords(pool);
    FUZZ_CHECK(words.Size() == static_cast<int32_t>(plainWords.size()));
    RandomSource random(FuzzTick), plain(FuzzTick);
    // Two calls (one for a long run): the second sees a SeedCounter the first has moved on.
    for (int call = 0; call < (longRun ? 1 : 2); ++call) {
        Text passphrase = AssemblePassphrase(words, maxLength, random);
        size_t wordCount = 0;
        FUZZ_CHECK(FollowsTheRules(passphrase, plainWords, maxLength, plain, &wordCount));
        FUZZ_CHECK(passphrase.size() <= kMaxPassphraseBytes);
        FUZZ_CHECK(passphrase.empty() || passphrase.back() == ' ');
        // Each word is followed by one space: the letters are the bytes less one per word.
        if (!passphrase.empty()) FUZZ_CHECK(static_cast<int64_t>(passphrase.size() - wordCount) < maxLength);
        FUZZ_CHECK(random.SeedCounter() == plain.SeedCounter());
        FUZZ_CHECK(random.Step() == plain.Step());  // the generator was stepped as often
    }
    return 0;
}
