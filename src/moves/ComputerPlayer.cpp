#include "moves/ComputerPlayer.h"

#include "board/BoardState.h"
#include "moves/MoveGenerator.h"

#include <array>
#include <cstdint>

namespace ruvo {

namespace {

// For each player and board square, the path positions 0..91 of that player that lead to it
// (at most two; -1 marks an unused slot).
constexpr auto PositionsOfSquare = [] {
    std::array<std::array<std::array<int8_t, 2>, SquareTotal>, 4> table{};
    for (auto& player : table) {
        for (auto& square : player) {
            square = {-1, -1};
        }
    }
    for (int p = 0; p < 4; ++p) {
        for (int r = 0; r < SquareTotal; ++r) {
            const int square = BoardSquare(p, r);
            if (square >= SquareTotal) {
                continue; // player 3's positions 74 and 75 lie off the board
            }
            auto& slots = table[p][square];
            slots[slots[0] == -1 ? 0 : 1] = static_cast<int8_t>(r);
        }
    }
    return table;
}();

// The path positions 0..91 of a player whose square an opponent holds.
class OpponentPositions {
public:
    OpponentPositions(const GameState& state, int player) {
        for (int other = 0; other < 4; ++other) {
            if (other == player) {
                continue;
            }
            for (int k = 0; k < 4; ++k) {
                const int square = PieceSquare(state, other, k);
                const int owner = state.SquareOwner[square];
                if (owner == player || owner == -1) {
                    continue;
                }
                for (int r : PositionsOfSquare[player][square]) {
                    if (r >= 0) {
                        bits_[r >> 6] |= uint64_t{1} << (r & 63);
                    }
                }
            }
        }
    }

    // How many of the positions from..from+4 (from >= 0) an opponent holds.
    int countFive(int from) const {
        const int word = from >> 6;
        const int shift = from & 63;
        uint64_t window = bits_[word] >> shift;
        if (shift > 59 && word == 0) {
            window |= bits_[1] << (64 - shift);
        }
        constexpr uint8_t ones[32] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4,
                                      1, 2, 2, 3, 2, 3, 3, 4, 2, 3, 3, 4, 3, 4, 4, 5};
        return ones[window & 0x1F];
    }

private:
    uint64_t bits_[2] = {0, 0};
};

int PieceScore(const GameState& state, int player, const OpponentPositions& opponents, int oldPos,
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
    EntryScorer(const GameState& state, int player)
        : state_(state), player_(player), opponents_(state, player) {
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
    OpponentPositions opponents_;
    int position_[4];
    uint32_t known_[4];
    int scores_[4][32];
};

} // namespace

int ScoreMove(const GameState& state, int player, int n) {
    return EntryScorer(state, player).score(n);
}

void ChooseComputerMove(GameState& state, int player) {
    if (state.PossibleMoveCount == 2) {
        state.ChosenMove = 2;
        return;
    }
    EntryScorer scorer(state, player);
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
    ComputeMoveLimits(state, player);
    ListPossibleMoves(state, player);
    if (state.PossibleMoveCount < 2) {
        state.ChosenMove = -1;
        return;
    }
    ChooseComputerMove(state, player);
    if (withOptions) {
        BuildPieceOptions(state, player);
    }
}

} // namespace ruvo
