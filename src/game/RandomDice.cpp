// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RandomDice.h"

#include <chrono>

namespace ruvo {

RandomDice::RandomDice()
    : RandomDice(
          static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

RandomDice::RandomDice(uint64_t seed) : dice_(seed) {}

} // namespace ruvo
