// Passphrases: random words drawn from a pool, each followed by one space, while the letters
// (bytes of the words, spaces not counted) stay below the maximum length.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/generator/random_source.h"
#include "core/text/text.h"

// A passphrase never grows past this many bytes, so a huge maximum length from a hand-edited file
// cannot exhaust memory. Any pool of non-empty words stays far below it for maximum lengths up
// to 99,999, the most the field accepts from the keyboard.
inline constexpr size_t kMaxPassphraseBytes = 256 * 1024;

// A word pool split once at the word separator, ready for many passphrases.
class WordList {
public:
    explicit WordList(std::string_view pool);

    int32_t Size() const { return static_cast<int32_t>(words_.size()); }
    std::string_view Member(int32_t i) const { return words_[static_cast<size_t>(i) - 1]; }

private:
    friend Text AssemblePassphrase(const WordList& words, int32_t maxLength, RandomSource& random);

    // The pool followed by kCopySlack bytes, so a short word can be copied in one fixed-size move.
    static constexpr size_t kCopySlack = 16;
    std::string storage_;
    std::vector<std::string_view> words_;  // views into storage_
    // The 0-based word that each generator output draws (RandomBetween(1, N) is 1 + r mod N).
    // Filled for the first long passphrase when N >= 2; for short ones dividing costs less.
    // Only the first 32,768 words can ever be drawn.
    void FillDrawTable() const;
    mutable std::vector<uint16_t> wordForOutput_;
    bool anyDrawableLetter_ = false;
    size_t drawableBytes_ = 0;  // total length of the drawable words, for sizing the result
    size_t drawableCount_ = 0;
};

// Seeds the random source, then draws words until the letters would reach maxLength, and returns
// the words before that one. Empty when maxLength <= 0, the list is empty, no drawable word has a
// letter, or the first word drawn is already too long.
Text AssemblePassphrase(const WordList& words, int32_t maxLength, RandomSource& random);
