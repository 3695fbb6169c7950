// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/BoardGeometry.h"

namespace ruvo {

const char* InitialPieceSquares(int player) {
    static const char* const initial[4] = {"76,77,78,79", "80,81,82,83", "84,85,86,87",
                                           "88,89,90,91"};
    return (player >= 0 && player <= 3) ? initial[player] : "";
}

} // namespace ruvo
