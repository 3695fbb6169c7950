// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SeededDice.h"

#include <random>

namespace ruvo {

namespace {

constexpr int Shift = 397;              // the middle word of the recurrence
constexpr uint32_t Twist = 0x9908B0DFu; // the recurrence's matrix, its last row
constexpr uint32_t UpperMask = 0x80000000u;
constexpr uint32_t LowerMask = 0x7FFFFFFFu;

uint32_t Next(uint32_t word, uint32_t following, uint32_t middle) {
    const uint32_t y = (word & UpperMask) | (following & LowerMask);
    return middle ^ (y >> 1) ^ ((0u - (y & 1u)) & Twist);
}

uint32_t Tempered(uint32_t z) {
    z ^= z >> 11;
    z ^= (z << 7) & 0x9D2C5680u;
    z ^= (z << 15) & 0xEFC60000u;
    return z ^ (z >> 18);
}

} // namespace

SeededDice::SeededDice(uint64_t seed) {
    if (seed >> 32 == 0) {
        // The generator's own seeding from one word.
        words_[0] = static_cast<uint32_t>(seed);
        for (int i = 1; i < BlockSize; ++i) {
            const uint32_t before = words_[i - 1];
            words_[i] = 1812433253u * (before ^ (before >> 30)) + static_cast<uint32_t>(i);
        }
        return;
    }
    // Both halves through a seed sequence, as std::mt19937(std::seed_seq) does; a state of
    // nothing but zeros (as far as the recurrence reads it) is replaced by its one fixed value.
    std::seed_seq sequence{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32)};
    sequence.generate(words_.begin(), words_.end());
    bool zero = (words_[0] & UpperMask) == 0;
    for (int i = 1; i < BlockSize && zero; ++i) {
        zero = words_[i] == 0;
    }
    if (zero) {
        words_[0] = UpperMask;
    }
}

void SeededDice::refill() {
    constexpr int Split = BlockSize - Shift;
    for (int i = 0; i < Split; ++i) {
        words_[i] = Next(words_[i], words_[i + 1], words_[i + Shift]);
    }
    for (int i = Split; i < BlockSize - 1; ++i) {
        words_[i] = Next(words_[i], words_[i + 1], words_[i - Split]);
    }
    words_[BlockSize - 1] = Next(words_[BlockSize - 1], words_[0], words_[Shift - 1]);
    for (int i = 0; i < BlockSize; ++i) {
        faces_[i] = static_cast<uint8_t>(((uint64_t{Tempered(words_[i])} * 6) >> 32) + 1);
    }
    next_ = 0;
}

} // namespace ruvo
