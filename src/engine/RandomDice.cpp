// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RandomDice.h"

#include <chrono>

namespace ruvo {

RandomDice::RandomDice()
    : RandomDice(
          static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

RandomDice::RandomDice(uint64_t seed)
    : generator_(static_cast<std::mt19937::result_type>(seed ^ (seed >> 32))) {}

int RandomDice::draw() {
    // r uniform in [0, 1), then Int(r * 6 + 1): the same on every platform for the same seed.
    const uint64_t r = generator_();
    return static_cast<int>((r * 6) >> 32) + 1;
}

} // namespace ruvo
