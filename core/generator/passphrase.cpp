#include "core/generator/passphrase.h"

#include <algorithm>

WordList::WordList(std::string_view pool) : words_(SplitTextViews(pool, kWordSeparator)) {
    size_t n = words_.size();
    size_t drawable = std::min<size_t>(n, 32768);
    for (size_t i = 0; i < drawable; ++i) {
        anyDrawableLetter_ = anyDrawableLetter_ || !words_[i].empty();
        drawableBytes_ += words_[i].size();
    }
    drawableCount_ = drawable;
    if (n >= 2) {
        wordForOutput_.resize(32768);
        uint32_t word = 0;
        for (uint32_t r = 0; r < 32768; ++r) {  // r mod n, counted up instead of divided
            wordForOutput_[r] = static_cast<uint16_t>(word);
            if (++word == n) word = 0;
        }
    }
}

Text AssemblePassphrase(const WordList& words, int32_t maxLength, RandomSource& random) {
    random.SeedRandom();
    Text passphrase;
    if (maxLength <= 0 || words.words_.empty() || !words.anyDrawableLetter_) return passphrase;

    // Room for the expected length, taken once: letters below maxLength plus one space per word.
    size_t averageWord = std::max<size_t>(1, words.drawableBytes_ / words.drawableCount_);
    uint64_t expected = static_cast<uint64_t>(maxLength) + static_cast<uint64_t>(maxLength) / averageWord + 64;
    passphrase.reserve(static_cast<size_t>(std::min<uint64_t>(expected, kMaxPassphraseBytes)));

    int64_t letters = 0;
    for (;;) {
        // The same draw as RandomBetween(1, N): no generator step for a single word.
        std::string_view word = words.words_.size() == 1 ? words.words_[0]
                                                         : words.words_[words.wordForOutput_[random.Step()]];
        if (letters + static_cast<int64_t>(word.size()) >= maxLength) return passphrase;
        if (passphrase.size() + word.size() + 1 > kMaxPassphraseBytes) return passphrase;
        passphrase.append(word);
        passphrase.push_back(' ');
        letters += static_cast<int64_t>(word.size());
    }
}
