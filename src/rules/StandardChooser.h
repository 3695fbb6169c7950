// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's choice: every listed move scored with a fixed table of weights, each moving
// piece adding what it leaves behind and where it lands, all on the board before the move; the
// first of the best-scoring moves wins.
#include "rules/MoveList.h"
#include "rules/PlayerView.h"
#include "rules/RulesState.h"

#include <array>
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
        int pieceScore[4][19]; // amounts 1..18: three throws of six at most
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

    // The move the table picks for the player's throws, found without listing the moves first
    // for the throws of a turn ((x), (6, x), (6, 6, x)): the move operator() picks from
    // MoveList(state, player, throws), or 0 when that list is empty.
    MoveList::Move bestMove(const RulesState& state, int player, const Throws& throws) const {
        const int x = throws.face[throws.face[1] == 0 ? 0 : (throws.face[2] == 0 ? 1 : 2)];
        const bool last = x >= 1 && x <= 5;
        if (throws.face[1] == 0 && last) {
            return Single(state, player, x);
        }
        if (throws.face[0] == 6 && (throws.face[2] == 0 || throws.face[1] == 6) && last) {
            return Sixes(state, player, throws.face[2] == 0 ? 1 : 2, x);
        }
        return listed(state, player, throws);
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
    // One or two sixes, then x (1..5).
    static MoveList::Move Sixes(const RulesState& state, int player, int sixes, int x);

    // The move chosen from the list of the throws (0 when there is none).
    MoveList::Move listed(const RulesState& state, int player, const Throws& throws) const;

    // One throw x (1..5): the pieces on the path that may move x, in piece order.
    static MoveList::Move Single(const RulesState& state, int player, int x);

    // Which of the player's path positions 0..127 an opponent holds: positions 0..51 are the
    // track rotated to the player's start; 52..75 reach the home columns (and past player 3's,
    // the first yards) shifted by 6 per player; 76..91 are the yards themselves. A piece's
    // score is what it leaves (a function of its square) plus where it lands (a function of
    // its destination), both on the board before the move.
    class Scorer {
    public:
        Scorer(const RulesState& state, int player) : state_(state), player_(player) {
            const uint64_t track = (state.trackHeld[0] | state.trackHeld[1] | state.trackHeld[2] |
                                    state.trackHeld[3]) ^
                                   state.trackHeld[player];
            const uint64_t rest =
                (state.restHeld[0] | state.restHeld[1] | state.restHeld[2] | state.restHeld[3]) ^
                state.restHeld[player];
            const int shift = 6 * player;
            low_ = PlayerView::Rotated(track, player) | (((rest >> shift) & 0xFFF) << 52);
            high_ = ((rest >> (12 + shift)) & 0xFFF) | (((rest >> 24) & 0xFFFF) << 12);
        }

        int piece(int k, int m) const {
            const int from = state_.position[player_][k];
            return leave(from) + land((from > 75 && m >= 6) ? m - 5 : from + m);
        }

        // Leaving a path position 1..56.
        int leavePath(int from) const {
            return Leaving[from].behind * Ones[((low_ << 5) >> from) & 0x1F] +
                   (Weights::BreakStack &
                    -static_cast<int>(state_.count[RulesState::squareOf(player_, from)] > 1));
        }

        // Leaving a path position 1..56 or a yard square.
        int leave(int from) const {
            const uint64_t behind = from > 75 ? high_ >> (from - 69) : (low_ << 5) >> from;
            return Leaving[from].fixed + Leaving[from].behind * Ones[behind & 0x1F] +
                   (Weights::BreakStack &
                    -static_cast<int>(state_.count[RulesState::squareOf(player_, from)] > 1));
        }

        // Landing on a path position 1..57.
        int land(int to) const {
            const int holder = state_.owner[RulesState::squareOf(player_, to)];
            return Landing[to].fixed + HolderScore[player_][holder + 1] +
                   Weights::OpponentAhead * Ones[(low_ >> (to + 1)) & 0x1F] +
                   Landing[to].behind * Ones[((low_ << 5) >> to) & 0x1F];
        }

    private:
        // Set bits among five.
        static constexpr uint8_t Ones[32] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4,
                                             1, 2, 2, 3, 2, 3, 3, 4, 2, 3, 3, 4, 3, 4, 4, 5};
        // [player][holder of the destination + 1]: empty, joining its own pieces, a capture.
        static constexpr auto HolderScore = [] {
            std::array<std::array<int8_t, 5>, 4> table{};
            for (int p = 0; p < 4; ++p) {
                for (int holder = 0; holder < 4; ++holder) {
                    table[p][holder + 1] = holder == p ? Weights::JoinOwn : Weights::Capture;
                }
            }
            return table;
        }();
        // Per square left or landed on: the fixed part of its score, and the weight of each
        // opponent among the five positions behind it (none counted for the first five).
        struct Part {
            int8_t fixed;
            int8_t behind;
        };
        static constexpr auto Leaving = [] {
            std::array<Part, SquareTotal> table{};
            for (int from = 0; from < SquareTotal; ++from) {
                table[from].fixed = from > 75 ? Weights::LeaveYard : 0;
                table[from].behind = from > 5 ? Weights::OpponentBehindOrigin : 0;
            }
            return table;
        }();
        static constexpr auto Landing = [] {
            std::array<Part, 64> table{};
            for (int to = 0; to < 64; ++to) {
                table[to].fixed =
                    static_cast<int8_t>((to == HomePosition ? Weights::ReachHome : 0) +
                                        (to >= 52 ? Weights::HomeColumn : 0));
                table[to].behind = to > 5 ? Weights::OpponentBehindDestination : 0;
            }
            return table;
        }();

        const RulesState& state_;
        int player_;
        uint64_t low_;
        uint64_t high_;
    };

    // The amounts each piece may move (a block ahead, home by the exact count, the yard
    // opened by 6 or more) and the best move of a throw shape, the list's first on a tie.
    // A piece's destination is its offset plus the amount: the offset is its position, or -5
    // in its yard (so 6 opens it onto position 1). It may land on the positions after its base
    // (its position, or 0 in its yard) up to the last one before a block or home.
    class Reach {
    public:
        Reach(const RulesState& state, int player) : state_(state), player_(player) {
            // Opponent blocks along the path, and a stop past home.
            const uint64_t blocked = (PlayerView::Blocks(state, player) & ~uint64_t{1}) |
                                     (uint64_t{1} << (HomePosition + 1));
            for (int k = 0; k < 4; ++k) {
                const int offset = Offset[state.position[player][k]];
                const int base = offset < 0 ? 0 : offset;
                offset_[k] = offset;
                base_[k] = base;
                span_[k] = std::countr_zero(blocked >> base) - 1;
            }
        }

        // A six, then x (1..5): the six on one piece and x on another, then 6 + x on one.
        MoveList::Move sixThen(int x) const {
            const unsigned sixes = may(6);
            const unsigned rests = may(x);
            const unsigned sums = may(6 + x);
            const Scorer scorer(state_, player_);
            int leave[4];
            for (unsigned left = sixes | rests | sums; left != 0; left &= left - 1) {
                const int k = std::countr_zero(left);
                leave[k] = scorer.leave(state_.position[player_][k]);
            }
            int rest[4];
            for (unsigned left = rests; left != 0; left &= left - 1) {
                const int k = std::countr_zero(left);
                rest[k] = leave[k] + scorer.land(offset_[k] + x);
            }
            int bestScore = Never;
            MoveList::Move best = 0;
            for (unsigned left = sixes; left != 0; left &= left - 1) {
                const int a = std::countr_zero(left);
                const int six = leave[a] + scorer.land(offset_[a] + 6);
                for (unsigned others = rests & ~(1u << a); others != 0; others &= others - 1) {
                    const int b = std::countr_zero(others);
                    const int score = six + rest[b];
                    best = score > bestScore
                               ? (MoveList::Move(6) << (8 * a)) | (MoveList::Move(x) << (8 * b))
                               : best;
                    bestScore = score > bestScore ? score : bestScore;
                }
            }
            for (unsigned left = sums; left != 0; left &= left - 1) {
                const int k = std::countr_zero(left);
                const int score = leave[k] + scorer.land(offset_[k] + 6 + x);
                best = score > bestScore ? MoveList::Move(6 + x) << (8 * k) : best;
                bestScore = score > bestScore ? score : bestScore;
            }
            return best;
        }

        // Two sixes, then x (1..5): the sixes on two pieces and x on a third, 12 + x on one,
        // 12 on one and x on another, then 6 on one and 6 + x on another.
        MoveList::Move twoSixesThen(int x) const {
            const unsigned sixes = may(6);
            const unsigned rests = may(x);
            const unsigned twelves = may(12);
            const unsigned sixRests = may(6 + x);
            const unsigned sums = may(12 + x);
            const Scorer scorer(state_, player_);
            int leave[4];
            int six[4];
            int rest[4];
            int sixRest[4];
            for (unsigned left = sixes | rests | twelves | sixRests | sums; left != 0;
                 left &= left - 1) {
                const int k = std::countr_zero(left);
                leave[k] = scorer.leave(state_.position[player_][k]);
            }
            // Only where the piece may go: elsewhere the destination may lie off the path.
            const auto landing = [&](unsigned pieces, int m, int(&score)[4]) {
                for (unsigned left = pieces; left != 0; left &= left - 1) {
                    const int k = std::countr_zero(left);
                    score[k] = leave[k] + scorer.land(offset_[k] + m);
                }
            };
            landing(sixes, 6, six);
            landing(rests, x, rest);
            landing(sixRests, 6 + x, sixRest);
            int bestScore = Never;
            MoveList::Move best = 0;
            const auto consider = [&](int score, MoveList::Move move) {
                best = score > bestScore ? move : best;
                bestScore = score > bestScore ? score : bestScore;
            };
            using Move = MoveList::Move;
            for (unsigned left = sixes; left != 0; left &= left - 1) {
                const int a = std::countr_zero(left);
                for (unsigned seconds = sixes & ~((2u << a) - 1); seconds != 0;
                     seconds &= seconds - 1) {
                    const int b = std::countr_zero(seconds);
                    for (unsigned others = rests & ~(1u << a) & ~(1u << b); others != 0;
                         others &= others - 1) {
                        const int c = std::countr_zero(others);
                        consider(six[a] + six[b] + rest[c], (Move(6) << (8 * a)) |
                                                                (Move(6) << (8 * b)) |
                                                                (Move(x) << (8 * c)));
                    }
                }
            }
            for (unsigned left = sums; left != 0; left &= left - 1) {
                const int k = std::countr_zero(left);
                consider(leave[k] + scorer.land(offset_[k] + 12 + x), Move(12 + x) << (8 * k));
            }
            for (unsigned left = twelves; left != 0; left &= left - 1) {
                const int a = std::countr_zero(left);
                const int twelve = leave[a] + scorer.land(offset_[a] + 12);
                for (unsigned others = rests & ~(1u << a); others != 0; others &= others - 1) {
                    const int b = std::countr_zero(others);
                    consider(twelve + rest[b], (Move(12) << (8 * a)) | (Move(x) << (8 * b)));
                }
            }
            for (unsigned left = sixes; left != 0; left &= left - 1) {
                const int a = std::countr_zero(left);
                for (unsigned others = sixRests & ~(1u << a); others != 0; others &= others - 1) {
                    const int b = std::countr_zero(others);
                    consider(six[a] + sixRest[b], (Move(6) << (8 * a)) | (Move(6 + x) << (8 * b)));
                }
            }
            return best;
        }

        // Below any move's score.
        static constexpr int Never = -(1 << 20);

    private:
        // Per position: a piece's offset (see above).
        static constexpr auto Offset = [] {
            std::array<int8_t, SquareTotal> table{};
            for (int from = 0; from < SquareTotal; ++from) {
                table[from] = static_cast<int8_t>(from > 75 ? -5 : from);
            }
            return table;
        }();

        // Bit k: piece k may move m.
        unsigned may(int m) const {
            unsigned pieces = 0;
            for (int k = 0; k < 4; ++k) {
                const bool can = static_cast<unsigned>(offset_[k] + m - base_[k] - 1) <
                                 static_cast<unsigned>(span_[k]);
                pieces |= unsigned{can} << k;
            }
            return pieces;
        }

        const RulesState& state_;
        int player_;
        int offset_[4];
        int base_[4];
        int span_[4]; // how many positions after the base it may land on
    };
};

inline MoveList::Move StandardChooser::Single(const RulesState& state, int player, int x) {
    const uint64_t blocked = PlayerView::Blocks(state, player);
    const uint64_t passed = (uint64_t{2} << x) - 2; // the x positions after the piece's own
    unsigned pieces = 0;
    for (int k = 0; k < 4; ++k) {
        // A piece in its yard would pass home; one at home too.
        const int from = state.position[player][k];
        const bool may = (from + x <= HomePosition) & (((blocked >> (from & 63)) & passed) == 0);
        pieces |= unsigned{may} << k;
    }
    if (pieces == 0) {
        return 0;
    }
    if ((pieces & (pieces - 1)) == 0) { // the only move
        return MoveList::Move(x) << (8 * std::countr_zero(pieces));
    }
    const Scorer scorer(state, player);
    int bestScore = Reach::Never;
    MoveList::Move best = 0;
    for (unsigned rest = pieces; rest != 0; rest &= rest - 1) {
        const int k = std::countr_zero(rest);
        const int from = state.position[player][k];
        const int score = scorer.leavePath(from) + scorer.land(from + x);
        best = score > bestScore ? MoveList::Move(x) << (8 * k) : best;
        bestScore = score > bestScore ? score : bestScore;
    }
    return best;
}

} // namespace ruvo
