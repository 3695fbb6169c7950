// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ScriptedDice.h"

namespace ruvo {

int ScriptedDice::draw() {
    if (next_ >= draws_.size()) {
        throw DrawsExhausted();
    }
    return draws_[next_++];
}

} // namespace ruvo
