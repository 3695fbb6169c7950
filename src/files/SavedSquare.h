// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One occupied board square as a saved game stores it.
#include <cstdint>
#include <string>

namespace ruvo {

struct SavedSquare {
    int16_t Square = 0; // board square 0..91
    int16_t Owner = 0;  // player whose pieces stand there
    int16_t Count = 0;  // how many of them
    std::string Record; // the square record
};

} // namespace ruvo
