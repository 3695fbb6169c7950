// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MovesCommand.h"

#include "board/BoardState.h"
#include "cli/NumberList.h"
#include "cli/UsageError.h"
#include "engine/Text.h"
#include "moves/ComputerPlayer.h"
#include "moves/MoveGenerator.h"

namespace ruvo {

int MovesCommand::Run(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() != 6) {
        throw UsageError("moves takes PLAYER THROWS POS0 POS1 POS2 POS3");
    }
    const long player = NumberList::ParseOne(args[0], "PLAYER", 0, 3);
    const std::vector<int> throws = NumberList::Parse(args[1], "THROWS", 1, 3, 1, 6);

    GameState state;
    FillPieceTriples(state);
    state.SquareCount.fill(0);
    state.SquareOwner.fill(-1);
    for (int p = 0; p < 4; ++p) {
        const std::string what = "POS" + std::to_string(p);
        const std::vector<int> positions = NumberList::Parse(args[2 + p], what, 4, 4);
        for (int k = 0; k < 4; ++k) {
            if (!IsValidPiecePosition(p, k, positions[k])) {
                throw UsageError(what + ": piece " + std::to_string(k) + " at " +
                                 std::to_string(positions[k]) +
                                 " is neither a path position 1..57 nor its own yard square " +
                                 std::to_string(YardSquare(p, k)));
            }
            state.PieceSquares[p][k] = static_cast<int16_t>(positions[k]);
            const int square = BoardSquare(p, positions[k]);
            if (state.SquareOwner[square] != -1 && state.SquareOwner[square] != p) {
                throw UsageError(what + ": piece " + std::to_string(k) + " stands on square " +
                                 std::to_string(square) + ", which player " +
                                 std::to_string(state.SquareOwner[square]) + " holds");
            }
            state.SquareOwner[square] = static_cast<int16_t>(p);
            ++state.SquareCount[square];
        }
    }
    for (size_t n = 0; n < throws.size(); ++n) {
        state.DiceThrow[n + 1] = static_cast<int16_t>(throws[n]);
    }
    const int p = static_cast<int>(player);
    PrepareTurnMoves(state, p);
    for (int n = 1; n <= state.PossibleMoveCount; ++n) {
        out << MoveEntryText(state, n) << '\n';
    }
    out << "ChosenMove " << state.ChosenMove << '\n';
    if (state.PossibleMoveCount >= 2) {
        for (int k = 0; k < 4; ++k) {
            out << "Options " << k << ':';
            for (int i = 1; i <= state.PieceOptionCount[k]; ++i) {
                out << ' ' << PieceOptionText(state.PieceOptions[k][i]);
            }
            out << '\n';
        }
    }
    return 0;
}

} // namespace ruvo
