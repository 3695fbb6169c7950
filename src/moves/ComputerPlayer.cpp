// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/ComputerPlayer.h"

#include "board/BoardState.h"
#include "moves/MoveGenerator.h"
#include "moves/OpponentMap.h"

#include <array>
#include <cstdint>

namespace ruvo {

namespace {

int PieceScore(const GameState& state, int player, const OpponentMap& opponents, int oldPos,
               int newPos) {
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
    score += MoveWeights::OpponentAhead * opponents.countFive(newPos + 1);
    if (newPos > 5) {
        score += MoveWeights::OpponentBehindDestination * opponents.countFive(newPos - 5);
    }
    if (oldPos > 5) {
        score += MoveWeights::OpponentBehindOrigin * opponents.countFive(oldPos - 5);
    }
    if (state.SquareCount[PathSquare(player, oldPos)] > 1) {
        score += MoveWeights::BreakStack;
    }
    return score;
}

void PiecePositions(const GameState& state, int player, int (&position)[4]) {
    for (int k = 0; k < 4; ++k) {
        position[k] = PiecePosition(state, player, k);
    }
}

// Scores the entries of the list, remembering each piece's score for each amount: with several
// throws many entries move the same piece by the same amount.
class EntryScorer {
public:
    EntryScorer(const GameState& state, int player, const OpponentMap& opponents)
        : state_(state), player_(player), opponents_(opponents) {
        PiecePositions(state, player, position_);
        for (auto& piece : known_) {
            piece = 0;
        }
    }

    int score(int n) {
        const MoveEntry& entry = state_.PossibleMoves[n];
        int score = MoveWeights::Base;
        for (int k = 0; k < 4; ++k) {
            const int amount = entry.amount[k];
            const int newPos = entry.destination[k];
            if (newPos == position_[k] || amount < 0 || amount > 31) {
                continue;
            }
            const uint32_t bit = uint32_t{1} << amount;
            if ((known_[k] & bit) == 0) {
                scores_[k][amount] = PieceScore(state_, player_, opponents_, position_[k], newPos);
                known_[k] |= bit;
            }
            score += scores_[k][amount];
        }
        return score;
    }

private:
    const GameState& state_;
    int player_;
    const OpponentMap& opponents_;
    int position_[4];
    uint32_t known_[4];
    int scores_[4][32];
};

} // namespace

int ScoreMove(const GameState& state, int player, int n) {
    return EntryScorer(state, player, OpponentMap(state, player)).score(n);
}

void ChooseComputerMove(GameState& state, int player) {
    ChooseComputerMove(state, player, OpponentMap(state, player));
}

void ChooseComputerMove(GameState& state, int player, const OpponentMap& opponents) {
    if (state.PossibleMoveCount == 2) {
        state.ChosenMove = 2;
        return;
    }
    EntryScorer scorer(state, player, opponents);
    int best = 0;
    for (int n = 2; n <= state.PossibleMoveCount; ++n) {
        const int score = scorer.score(n);
        if (n == 2 || score > best) {
            best = score;
            state.ChosenMove = static_cast<int16_t>(n);
        }
    }
}

void PrepareTurnMoves(GameState& state, int player, bool withOptions) {
    const OpponentMap opponents(state, player);
    ComputeMoveLimits(state, player, opponents);
    ListPossibleMoves(state, player);
    if (state.PossibleMoveCount < 2) {
        state.ChosenMove = -1;
        return;
    }
    ChooseComputerMove(state, player, opponents);
    if (withOptions) {
        BuildPieceOptions(state, player);
    }
}

} // namespace ruvo
