// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardAudit.h"

#include "files/Text.h"
#include "game/BoardState.h"
#include "rules/BoardGeometry.h"

#include <algorithm>
#include <array>

namespace ruvo {

std::string BoardAudit::Fault(const GameState& state) {
    std::array<int, SquareTotal> count{};
    std::array<int, SquareTotal> owner{};
    owner.fill(-1);
    std::array<std::string, SquareTotal> pieces; // piece numbers standing on each square
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            const int position = PiecePosition(state, p, k);
            if (!IsValidPiecePosition(p, k, position)) {
                return "player " + std::to_string(p) + " piece " + std::to_string(k) +
                       " at impossible position " + std::to_string(position);
            }
            const int square = BoardSquare(p, position);
            if (owner[square] != -1 && owner[square] != p) {
                return "two players on square " + std::to_string(square);
            }
            owner[square] = p;
            ++count[square];
            pieces[square] += static_cast<char>('1' + k);
        }
    }
    for (int s = 0; s < SquareTotal; ++s) {
        const std::string where = "square " + std::to_string(s) + ": ";
        if (state.SquareCount[s] != count[s]) {
            return where + "count " + std::to_string(state.SquareCount[s]) + " for " +
                   std::to_string(count[s]) + " pieces";
        }
        if (state.SquareOwner[s] != owner[s]) {
            return where + "owner " + std::to_string(state.SquareOwner[s]);
        }
        const SquareView& view = state.Piece[s];
        std::string shown = WithoutSpaces(view.caption);
        std::sort(shown.begin(), shown.end());
        if (shown != pieces[s]) {
            return where + "caption '" + view.caption + "' for pieces " + pieces[s];
        }
        const std::string marks = view.Tag.substr(1, 2);
        if (count[s] == 0) {
            if (marks != "  ") {
                return where + "empty but its record is marked '" + marks + "'";
            }
            const bool finalSquare = s == 57 || s == 63 || s == 69 || s == 75;
            if (view.picture != (finalSquare ? Picture::WonPos : Picture::Blank)) {
                return where + "empty but shows a piece";
            }
            continue;
        }
        if (marks != DieText(owner[s]) + DieText(count[s])) {
            return where + "record marked '" + marks + "'";
        }
        if (view.picture != PiecePicture(owner[s])) {
            return where + "shows another picture";
        }
        const Occupant occupant = SquareOccupant(state, s);
        if (occupant.player != owner[s] ||
            PieceSquare(state, occupant.player, occupant.piece) != s) {
            return where + "its record does not lead to its pieces";
        }
    }
    for (int p = 0; p < 4; ++p) {
        if (state.FinishPlace[p] != 0) {
            for (int k = 0; k < 4; ++k) {
                if (PiecePosition(state, p, k) != HomePosition) {
                    return "player " + std::to_string(p) + " finished with a piece out";
                }
            }
        }
    }
    return "";
}

} // namespace ruvo
