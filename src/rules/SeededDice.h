// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dice stream of one standard generator (the 32-bit Mersenne Twister, std::mt19937): a draw
// is a face 1..6, Int(r * 6 + 1) for r uniform in [0, 1). A seed below 2^32 gives the games it
// has always given; a larger seed gives games of its own.
//
// The generator's words are made a block of 624 at a time and turned into faces together, so a
// draw is one read from the block: the same faces, in the same order, as drawing one word at a
// time from std::mt19937.
#include <array>
#include <cstdint>

namespace ruvo {

class SeededDice {
public:
    explicit SeededDice(uint64_t seed);

    int draw() {
        if (next_ == BlockSize) {
            refill();
        }
        return faces_[next_++];
    }

private:
    static constexpr int BlockSize = 624; // the generator's state, in words

    void refill();

    std::array<uint32_t, BlockSize> words_; // the generator's state
    std::array<uint8_t, BlockSize> faces_;  // the faces of the words made last
    int next_ = BlockSize;                  // the next face to draw
};

} // namespace ruvo
