// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/TurnMoves.h"

#include "files/Text.h"
#include "rules/StandardChooser.h"

#include <bit>
#include <cstdint>

namespace ruvo {

RulesState RulesOf(const GameState& state) {
    RulesState rules;
    rules.clearBoard();
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            rules.putPiece(p, k, state.PieceSquares[p][k]);
        }
        rules.enabled[p] = state.PlayerEnabled[p] == state.FlagYes;
        rules.finishPlace[p] = static_cast<uint8_t>(state.FinishPlace[p]);
        rules.frequentFace[p] = static_cast<uint8_t>(state.FrequentFace[p]);
        for (int face = 0; face < 7; ++face) {
            rules.throwCount[p][face] = static_cast<uint16_t>(state.ThrowCount[p][face]);
        }
    }
    rules.playerCount = static_cast<uint8_t>(state.PlayerCount);
    rules.finishedCount = static_cast<uint8_t>(state.FinishedCount);
    rules.current = static_cast<int8_t>(state.CurrentPlayer);
    rules.turnCount = state.TurnCount;
    return rules;
}

Throws ThrowsOf(const GameState& state) {
    Throws throws;
    for (int n = 0; n < 3; ++n) {
        throws.face[n] = static_cast<uint8_t>(state.DiceThrow[n + 1]);
    }
    return throws;
}

MoveList::Move MoveOf(const MoveEntry& entry) {
    MoveList::Move move = 0;
    for (int k = 0; k < 4; ++k) {
        move |= MoveList::Move(static_cast<uint8_t>(entry.amount[k])) << (8 * k);
    }
    return move;
}

void PrepareTurnMoves(GameState& state, int player, bool withOptions) {
    PrepareTurnMoves(state, RulesOf(state), player, withOptions);
}

void PrepareTurnMoves(GameState& state, const RulesState& rules, int player, bool withOptions) {
    const Throws throws = ThrowsOf(state);
    const MoveList moves(rules, player, throws);
    state.PossibleMoveCount = static_cast<int16_t>(1 + moves.size());
    for (int n = 0; n < moves.size(); ++n) {
        MoveEntry& entry = state.PossibleMoves[n + 2];
        for (int k = 0; k < 4; ++k) {
            entry.amount[k] = static_cast<int8_t>(MoveList::amount(moves[n], k));
            entry.destination[k] =
                static_cast<int8_t>(MoveList::destination(rules, player, moves[n], k));
        }
    }
    if (moves.empty()) {
        state.ChosenMove = -1;
        return;
    }
    state.ChosenMove = static_cast<int16_t>(2 + StandardChooser()(rules, player, throws, moves));
    if (withOptions) {
        BuildPieceOptions(state);
    }
}

void BuildPieceOptions(GameState& state) {
    for (int k = 0; k < 4; ++k) {
        uint32_t amounts = 0; // bit m: some move takes this piece m squares
        int8_t destination[19] = {};
        for (int n = 2; n <= state.PossibleMoveCount; ++n) {
            const MoveEntry& entry = state.PossibleMoves[n];
            const int m = entry.amount[k];
            if (m >= 1 && m <= 18) {
                amounts |= uint32_t{1} << m;
                destination[m] = entry.destination[k]; // a later move with m gives the same
            }
        }
        auto& options = state.PieceOptions[k];
        const int previous = state.PieceOptionCount[k];
        int count = 0;
        while (amounts != 0) {
            const int m = std::countr_zero(amounts);
            amounts &= amounts - 1;
            options[++count] = PieceOption{static_cast<int8_t>(m), destination[m]};
        }
        for (int i = count + 1; i <= previous; ++i) {
            options[i] = PieceOption{};
        }
        state.PieceOptionCount[k] = static_cast<int16_t>(count);
    }
}

std::string MoveEntryText(const GameState& state, int n) {
    if (n == 1) {
        return PossibleMovesTitle;
    }
    if (n < 2 || n > state.PossibleMoveCount) {
        return "";
    }
    const MoveEntry& entry = state.PossibleMoves[n];
    std::string text;
    text.reserve(30);
    for (const auto* block : {&entry.amount, &entry.destination}) {
        for (int k = 0; k < 4; ++k) {
            text += ' ';
            text += TwoDigits((*block)[k]);
            text += ' ';
        }
    }
    // The template " 00  00  00  00" has no space after the last field of each block.
    text.erase(31, 1);
    text.erase(15, 1);
    return text;
}

std::string PieceOptionText(const PieceOption& option) {
    return TwoDigits(option.amount) + "," + TwoDigits(option.destination);
}

} // namespace ruvo
