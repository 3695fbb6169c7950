// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's choice: every listed move scored with a fixed table of weights, each moving
// piece adding what it leaves behind and where it lands, all on the board before the move; the
// first of the best-scoring moves wins.
#include "rules/MoveList.h"
#include "rules/RulesState.h"

#include <bit>
#include <cstdint>

namespace ruvo {

class StandardChooser {
public:
    struct Weights {
        static constexpr int Base = 1;
        static constexpr int ReachHome = 60;
        static constexpr int LeaveYard = 55;
        static constexpr int Capture = 40;
        static constexpr int JoinOwn = 30;
        static constexpr int HomeColumn = 42;
        static constexpr int OpponentAhead = 5;
        static constexpr int OpponentBehindDestination = -5;
        static constexpr int OpponentBehindOrigin = 10;
        static constexpr int BreakStack = -50;
    };

    // The index of the chosen move in the list (the list holds at least one move).
    int operator()(const RulesState& state, int player, const Throws&,
                   const MoveList& moves) const {
        if (moves.size() == 1) {
            return 0;
        }
        const Scorer scorer(state, player);
        int pieceScore[4][18];
        uint32_t known[4] = {0, 0, 0, 0};
        int best = 0;
        int bestScore = 0;
        for (int n = 0; n < moves.size(); ++n) {
            const MoveList::Move move = moves[n];
            int score = Weights::Base;
            for (MoveList::Move rest = move; rest != 0;) {
                const int k = std::countr_zero(rest) / 8; // the next piece that moves
                const int m = MoveList::amount(move, k);
                rest &= ~(MoveList::Move{0xFF} << (8 * k));
                if (((known[k] >> m) & 1) == 0) {
                    known[k] |= uint32_t{1} << m;
                    pieceScore[k][m] = scorer.piece(k, m);
                }
                score += pieceScore[k][m];
            }
            if (n == 0 || score > bestScore) {
                bestScore = score;
                best = n;
            }
        }
        return best;
    }

    // The score of one move (for tests and for players that weigh moves otherwise).
    static int score(const RulesState& state, int player, MoveList::Move move) {
        const Scorer scorer(state, player);
        int score = Weights::Base;
        for (int k = 0; k < 4; ++k) {
            if (MoveList::amount(move, k) != 0) {
                score += scorer.piece(k, MoveList::amount(move, k));
            }
        }
        return score;
    }

private:
    // Which of the player's path positions 0..127 an opponent holds: positions 0..51 are the
    // track rotated to the player's start; 52..75 reach the home columns (and past player 3's,
    // the first yards) shifted by 6 per player; 76..91 are the yards themselves.
    class Scorer {
    public:
        Scorer(const RulesState& state, int player) : state_(state), player_(player) {
            uint64_t track = 0;
            uint64_t rest = 0;
            for (int p = 0; p < 4; ++p) {
                if (p != player) {
                    track |= state.trackHeld[p];
                    rest |= state.restHeld[p];
                }
            }
            const int shift = 6 * player;
            low_ = PlayerView::Rotated(track, player) | (((rest >> shift) & 0xFFF) << 52);
            high_ = ((rest >> (12 + shift)) & 0xFFF) | (((rest >> 24) & 0xFFFF) << 12);
        }

        int piece(int k, int m) const {
            const int from = state_.position[player_][k];
            const int to = (from > 75 && m >= 6) ? m - 5 : from + m;
            int score = 0;
            if (to == HomePosition) {
                score += Weights::ReachHome;
            }
            if (from > 75) {
                score += Weights::LeaveYard;
            }
            const int holder = state_.owner[RulesState::squareOf(player_, to)];
            if (holder == player_) {
                score += Weights::JoinOwn;
            } else if (holder != -1) {
                score += Weights::Capture;
            }
            if (to >= 52) {
                score += Weights::HomeColumn;
            }
            score += Weights::OpponentAhead * countFive(to + 1);
            if (to > 5) {
                score += Weights::OpponentBehindDestination * countFive(to - 5);
            }
            if (from > 5) {
                score += Weights::OpponentBehindOrigin * countFive(from - 5);
            }
            if (state_.count[RulesState::squareOf(player_, from)] > 1) {
                score += Weights::BreakStack;
            }
            return score;
        }

    private:
        // Opponent-held positions among from..from+4.
        int countFive(int from) const {
            const uint64_t window = from >= 64
                                        ? high_ >> (from - 64)
                                        : (low_ >> from) | (from > 59 ? high_ << (64 - from) : 0);
            static constexpr uint8_t ones[32] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4,
                                                 1, 2, 2, 3, 2, 3, 3, 4, 2, 3, 3, 4, 3, 4, 4, 5};
            return ones[window & 0x1F];
        }

        const RulesState& state_;
        int player_;
        uint64_t low_;
        uint64_t high_;
    };
};

} // namespace ruvo
