// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MoveList.h"

namespace ruvo {

namespace {

// The ordered choices of three different pieces, in list order.
constexpr int8_t Triples[24][3] = {
    {0, 1, 2}, {0, 1, 3}, {0, 2, 1}, {0, 2, 3}, {0, 3, 1}, {0, 3, 2}, {1, 0, 2}, {1, 0, 3},
    {1, 2, 0}, {1, 2, 3}, {1, 3, 0}, {1, 3, 2}, {2, 0, 1}, {2, 0, 3}, {2, 1, 0}, {2, 1, 3},
    {2, 3, 0}, {2, 3, 1}, {3, 0, 1}, {3, 0, 2}, {3, 1, 0}, {3, 1, 2}, {3, 2, 0}, {3, 2, 1}};

} // namespace

void MoveList::addGeneral(const uint32_t (&allowed)[4], int first, int second, int third) {
    const int amounts[3] = {first, second, third};
    for (const auto& triple : Triples) {
        Move move = 0;
        bool legal = true;
        for (int i = 0; i < 3 && legal; ++i) {
            const int m = amounts[i];
            if (m != 0) {
                legal = m <= 31 && ((allowed[triple[i]] >> m) & 1) != 0;
                move |= Move(m) << (8 * triple[i]);
            }
        }
        bool known = false;
        for (int n = 0; n < count_ && !known; ++n) {
            known = moves_[n] == move;
        }
        if (legal && !known && count_ < static_cast<int>(moves_.size())) {
            add(move);
        }
    }
}

void MoveList::buildGeneral(const PlayerView& view, const Throws& throws) {
    const int d1 = throws.face[0];
    const int d2 = throws.face[1];
    const int d3 = throws.face[2];
    if (d1 == 0) {
        return;
    }
    addGeneral(view.allowed, d1, d2, d3);
    if (d3 == 0 && d2 != 0) {
        addGeneral(view.allowed, d1 + d2, 0, 0);
    }
    if (d3 != 0 && d2 != 0) {
        addGeneral(view.allowed, d1 + d2 + d3, 0, 0);
        addGeneral(view.allowed, d1 + d2, d3, 0);
        addGeneral(view.allowed, d1, d2 + d3, 0);
        addGeneral(view.allowed, d1 + d3, d2, 0);
    }
}

} // namespace ruvo
