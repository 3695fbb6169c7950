#include "moves/ComputerPlayer.h"

#include "board/BoardState.h"
#include "moves/MoveGenerator.h"

namespace ruvo {

namespace {

bool HeldByOpponent(const GameState& state, int player, int position) {
    const int owner = state.SquareOwner[PathSquare(player, position)];
    return owner != player && owner != -1;
}

int PieceScore(const GameState& state, int player, int oldPos, int newPos) {
    int score = 0;
    if (newPos == HomePosition) {
        score += MoveWeights::ReachHome;
    }
    if (oldPos > 75) {
        score += MoveWeights::LeaveYard;
    }
    const int owner = state.SquareOwner[PathSquare(player, newPos)];
    if (owner != player && owner != -1) {
        score += MoveWeights::Capture;
    } else if (owner == player) {
        score += MoveWeights::JoinOwn;
    }
    if (newPos >= 52) {
        score += MoveWeights::HomeColumn;
    }
    for (int r = newPos + 1; r <= newPos + 5; ++r) {
        if (HeldByOpponent(state, player, r)) {
            score += MoveWeights::OpponentAhead;
        }
    }
    if (newPos > 5) {
        for (int r = newPos - 1; r >= newPos - 5; --r) {
            if (HeldByOpponent(state, player, r)) {
                score += MoveWeights::OpponentBehindDestination;
            }
        }
    }
    if (oldPos > 5) {
        for (int r = oldPos - 1; r >= oldPos - 5; --r) {
            if (HeldByOpponent(state, player, r)) {
                score += MoveWeights::OpponentBehindOrigin;
            }
        }
    }
    if (state.SquareCount[PathSquare(player, oldPos)] > 1) {
        score += MoveWeights::BreakStack;
    }
    return score;
}

} // namespace

int ScoreMove(const GameState& state, int player, int n) {
    const MoveEntry& entry = state.PossibleMoves[n];
    int score = MoveWeights::Base;
    for (int j = 0; j < 4; ++j) {
        const int oldPos = PiecePosition(state, player, j);
        const int newPos = entry.destination[j];
        if (oldPos != newPos) {
            score += PieceScore(state, player, oldPos, newPos);
        }
    }
    return score;
}

void ChooseComputerMove(GameState& state, int player) {
    if (state.PossibleMoveCount == 2) {
        state.ChosenMove = 2;
        return;
    }
    int best = 0;
    for (int n = 2; n <= state.PossibleMoveCount; ++n) {
        const int score = ScoreMove(state, player, n);
        if (n == 2 || score > best) {
            best = score;
            state.ChosenMove = static_cast<int16_t>(n);
        }
    }
}

void PrepareTurnMoves(GameState& state, int player) {
    ComputeMoveLimits(state, player);
    ListPossibleMoves(state, player);
    if (state.PossibleMoveCount < 2) {
        state.ChosenMove = -1;
        return;
    }
    ChooseComputerMove(state, player);
    BuildPieceOptions(state, player);
}

} // namespace ruvo
