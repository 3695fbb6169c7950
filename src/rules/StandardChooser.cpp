// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/StandardChooser.h"

namespace ruvo {

// Kept out of line, as the list path below: sixes come in one turn of six.
MoveList::Move StandardChooser::Sixes(const RulesState& state, int player, int sixes, int x) {
    const Reach reach(state, player);
    return sixes == 1 ? reach.sixThen(x) : reach.twoSixesThen(x);
}

// Kept out of line: the throws that need the list are few, and the turns that need none do
// not carry its space.
MoveList::Move StandardChooser::listed(const RulesState& state, int player,
                                       const Throws& throws) const {
    const MoveList moves(state, player, throws);
    return moves.empty() ? 0 : moves[(*this)(state, player, throws, moves)];
}

} // namespace ruvo
