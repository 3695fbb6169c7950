// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The throws of a turn and every distinct way of spending all of them on a player's pieces, in
// the order the game lists them (the first of the best-scoring moves is the computer's choice).
// The shapes a turn throws, (x), (6,x) and (6,6,x), are listed directly; any other set of
// throws (a person's remaining throws) takes the general path.
#include "rules/PlayerView.h"
#include "rules/RulesState.h"

#include <array>
#include <cstdint>

namespace ruvo {

struct Throws {
    std::array<uint8_t, 3> face{}; // in throw order; 0 = not thrown
    bool allSixes = false;         // three sixes: the turn is lost
    int total() const { return face[0] + face[1] + face[2]; }
};

class MoveList {
public:
    // A move: byte k is the amount piece k moves (0 = it stays).
    using Move = uint32_t;
    static int amount(Move move, int piece) { return (move >> (8 * piece)) & 0xFF; }
    // Where piece k of the player ends after the move.
    static int destination(const RulesState& state, int player, Move move, int piece) {
        const int from = state.position[player][piece];
        const int m = amount(move, piece);
        return (from > 75 && m >= 6) ? m - 5 : from + m;
    }

    MoveList() = default;
    MoveList(const RulesState& state, int player, const Throws& throws) {
        build(PlayerView(state, player), throws);
    }
    void build(const PlayerView& view, const Throws& throws);

    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    Move operator[](int n) const { return moves_[n]; }

private:
    void add(Move move) { moves_[count_++] = move; }
    void addGeneral(const uint32_t (&allowed)[4], int first, int second, int third);
    void buildGeneral(const PlayerView& view, const Throws& throws);

    std::array<Move, 64> moves_;
    int count_ = 0;
};

inline void MoveList::build(const PlayerView& view, const Throws& throws) {
    count_ = 0;
    const uint32_t* allowed = view.allowed;
    const int x = throws.face[throws.face[1] == 0 ? 0 : (throws.face[2] == 0 ? 1 : 2)];
    const auto can = [&](int k, int m) { return (allowed[k] >> m) & 1; };
    if (throws.face[1] == 0 && x >= 1 && x <= 5) { // (x)
        for (int k = 0; k < 4; ++k) {
            if (can(k, x)) {
                add(Move(x) << (8 * k));
            }
        }
        return;
    }
    if (throws.face[0] == 6 && x >= 1 && x <= 5 && throws.face[2] == 0) { // (6, x)
        for (int a = 0; a < 4; ++a) {
            if (!can(a, 6)) {
                continue;
            }
            for (int b = 0; b < 4; ++b) {
                if (b != a && can(b, x)) {
                    add((Move(6) << (8 * a)) | (Move(x) << (8 * b)));
                }
            }
        }
        for (int k = 0; k < 4; ++k) {
            if (can(k, 6 + x)) {
                add(Move(6 + x) << (8 * k));
            }
        }
        return;
    }
    if (throws.face[0] == 6 && throws.face[1] == 6 && x >= 1 && x <= 5) { // (6, 6, x)
        // The two sixes on pieces a and b give the same move in either order: list it once,
        // where the game first meets it (a < b).
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                if (!can(a, 6) || !can(b, 6)) {
                    continue;
                }
                for (int c = 0; c < 4; ++c) {
                    if (c != a && c != b && can(c, x)) {
                        add((Move(6) << (8 * a)) | (Move(6) << (8 * b)) | (Move(x) << (8 * c)));
                    }
                }
            }
        }
        for (int k = 0; k < 4; ++k) {
            if (can(k, 12 + x)) {
                add(Move(12 + x) << (8 * k));
            }
        }
        // (12, x), then (6, 6+x); (6+x, 6) only repeats the latter.
        for (const int first : {12, 6}) {
            const int second = first == 12 ? x : 6 + x;
            for (int a = 0; a < 4; ++a) {
                if (!can(a, first)) {
                    continue;
                }
                for (int b = 0; b < 4; ++b) {
                    if (b != a && can(b, second)) {
                        add((Move(first) << (8 * a)) | (Move(second) << (8 * b)));
                    }
                }
            }
        }
        return;
    }
    buildGeneral(view, throws);
}

} // namespace ruvo
