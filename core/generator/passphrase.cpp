#include "core/generator/passphrase.h"

#include <algorithm>
#include <cstring>

WordList::WordList(std::string_view pool) : storage_(pool) {
    storage_.append(kCopySlack, '\0');
    words_ = SplitTextViews(std::string_view(storage_).substr(0, pool.size()), kWordSeparator);
    size_t n = words_.size();
    size_t drawable = std::min<size_t>(n, 32768);
    for (size_t i = 0; i < drawable; ++i) {
        anyDrawableLetter_ = anyDrawableLetter_ || !words_[i].empty();
        drawableBytes_ += words_[i].size();
    }
    drawableCount_ = drawable;
}

void WordList::FillDrawTable() const {
    wordForOutput_.resize(32768);
    uint32_t word = 0;
    for (uint32_t r = 0; r < 32768; ++r) {  // r mod n, counted up instead of divided
        wordForOutput_[r] = static_cast<uint16_t>(word);
        if (++word == words_.size()) word = 0;
    }
}

Text AssemblePassphrase(const WordList& words, int32_t maxLength, RandomSource& random) {
    random.SeedRandom();
    Text passphrase;
    if (maxLength <= 0 || words.words_.empty() || !words.anyDrawableLetter_) return passphrase;

    // The comparison of letters with the maximum is made in 64 bits, so nothing overflows.
    constexpr size_t kSlack = WordList::kCopySlack;
    const bool single = words.words_.size() == 1;
    const uint32_t count = static_cast<uint32_t>(words.words_.size());
    constexpr int32_t kDrawTableFromLength = 4096;  // a few hundred draws: the table pays for itself
    if (!single && maxLength >= kDrawTableFromLength && words.wordForOutput_.empty()) words.FillDrawTable();
    const uint16_t* drawTable = words.wordForOutput_.empty() ? nullptr : words.wordForOutput_.data();

    // Room for the expected length, taken once: letters below maxLength plus one space per word.
    size_t averageWord = std::max<size_t>(1, words.drawableBytes_ / words.drawableCount_);
    uint64_t expected = static_cast<uint64_t>(maxLength) + static_cast<uint64_t>(maxLength) / averageWord + 64;
    size_t room = static_cast<size_t>(std::min<uint64_t>(expected, kMaxPassphraseBytes)) + kSlack;
    passphrase.resize(room);

    size_t length = 0;
    int64_t letters = 0;
    for (;;) {
        // The same draw as RandomBetween(1, N): no generator step for a single word.
        size_t index = 0;
        if (!single) {
            uint32_t r = random.Step();
            index = drawTable ? drawTable[r] : r % count;
        }
        std::string_view word = words.words_[index];
        if (letters + static_cast<int64_t>(word.size()) >= maxLength) break;
        if (length + word.size() + 1 > kMaxPassphraseBytes) break;
        if (length + word.size() + 1 + kSlack > room) {
            room = std::min(room * 2, kMaxPassphraseBytes + kSlack);
            passphrase.resize(room);
        }
        char* out = passphrase.data() + length;
        // Every word is followed by kSlack readable bytes, and the room keeps kSlack spare bytes.
        if (word.size() <= kSlack)
            std::memcpy(out, word.data(), kSlack);
        else
            std::memcpy(out, word.data(), word.size());
        out[word.size()] = ' ';
        length += word.size() + 1;
        letters += static_cast<int64_t>(word.size());
    }
    passphrase.resize(length);
    return passphrase;
}
