// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/MoveGenerator.h"

#include "board/BoardState.h"
#include "engine/Text.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace ruvo {

namespace {

// The piece numbers (1..4) of each ordered triple, in list order.
constexpr int8_t Triples[24][3] = {
    {1, 2, 3}, {1, 2, 4}, {1, 3, 2}, {1, 3, 4}, {1, 4, 2}, {1, 4, 3}, {2, 1, 3}, {2, 1, 4},
    {2, 3, 1}, {2, 3, 4}, {2, 4, 1}, {2, 4, 3}, {3, 1, 2}, {3, 1, 4}, {3, 2, 1}, {3, 2, 4},
    {3, 4, 1}, {3, 4, 2}, {4, 1, 2}, {4, 1, 3}, {4, 2, 1}, {4, 2, 3}, {4, 3, 1}, {4, 3, 2}};

// The amounts 1..31 a piece with this move limit may move, as bits: up to the limit for a piece
// on the board, 6 up to minus the limit for a piece in its yard.
uint32_t AllowedAmounts(int limit) {
    const auto upTo = [](int most) {
        return most >= 31 ? ~uint32_t{0} : (uint32_t{1} << (most + 1)) - 1;
    };
    if (limit < 0) {
        return -limit < 6 ? 0 : upTo(-limit) & ~upTo(5);
    }
    return upTo(limit) & ~uint32_t{1};
}

uint32_t Packed(const std::array<int8_t, 4>& amounts) {
    uint32_t packed;
    std::memcpy(&packed, amounts.data(), sizeof packed);
    return packed;
}

} // namespace

void FillPieceTriples(GameState& state) {
    for (int t = 0; t < 24; ++t) {
        state.PieceTriples[t + 1] = {static_cast<char>('0' + Triples[t][0]), 'A',
                                     static_cast<char>('0' + Triples[t][1]), 'B',
                                     static_cast<char>('0' + Triples[t][2]), 'C'};
    }
}

void ComputeMoveLimits(GameState& state, int player) {
    ComputeMoveLimits(state, player, OpponentMap(state, player));
}

void ComputeMoveLimits(GameState& state, int player, const OpponentMap& opponents) {
    const uint64_t blocked = opponents.blockedPositions();
    for (int k = 0; k < 4; ++k) {
        const int q = PiecePosition(state, player, k);
        const int start = q > 75 ? 1 : q;
        int last = HomePosition;
        if (start >= 0 && start <= HomePosition) {
            const uint64_t ahead = blocked >> start;
            if (ahead != 0) {
                last = start + std::countr_zero(ahead) - 1;
            }
        }
        state.MoveLimit[player][k] = static_cast<int16_t>(q <= 75 ? last - q : -(last + 5));
    }
}

void AddMoveCombination(GameState& state, int player, int first, int second, int third) {
    const int amounts[3] = {first, second, third};
    // Bit m of allowed[k]: piece k may move m squares.
    uint32_t allowed[4];
    for (int k = 0; k < 4; ++k) {
        allowed[k] = AllowedAmounts(state.MoveLimit[player][k]);
    }
    // Only the pieces that take a non-zero amount shape a move, so when the unused amounts come
    // last, the triples that share those pieces with the triple before give nothing new.
    int step = 1;
    if (third == 0) {
        step = second == 0 ? 6 : 2;
    }
    for (int t = 0; t < 24; t += step) {
        uint32_t block = 0;
        bool legal = true;
        for (int i = 0; i < 3; ++i) {
            const int amount = amounts[i];
            if (amount == 0) {
                continue;
            }
            const int piece = Triples[t][i] - 1;
            if (amount > 31 || ((allowed[piece] >> amount) & 1) == 0) {
                legal = false;
                break;
            }
            block |= static_cast<uint32_t>(amount) << (8 * piece);
        }
        if (!legal) {
            continue;
        }
        // A block never seen in the list so far is new without comparing it with every entry.
        const uint32_t hash = (block * 0x9E3779B1u) >> 24;
        uint64_t& seen = state.MoveBlockSeen[hash >> 6];
        const uint64_t bit = uint64_t{1} << (hash & 63);
        bool known = false;
        if ((seen & bit) != 0) {
            for (int n = 2; n <= state.PossibleMoveCount && !known; ++n) {
                known = Packed(state.PossibleMoves[n].amount) == block;
            }
        }
        seen |= bit;
        if (!known && state.PossibleMoveCount + 1 < MaxMoveEntries) {
            MoveEntry& entry = state.PossibleMoves[++state.PossibleMoveCount];
            std::memcpy(entry.amount.data(), &block, sizeof block);
        }
    }
}

void ListPossibleMoves(GameState& state, int player) {
    state.PossibleMoveCount = 1;
    state.MoveBlockSeen = {};
    const int d1 = state.DiceThrow[1];
    const int d2 = state.DiceThrow[2];
    const int d3 = state.DiceThrow[3];
    if (d2 == 0 && d3 == 0 && d1 > 0 && d1 <= 31) {
        // One throw: each piece that may move it, in piece order (what the triples give).
        for (int k = 0; k < 4; ++k) {
            if ((AllowedAmounts(state.MoveLimit[player][k]) >> d1) & 1) {
                MoveEntry& entry = state.PossibleMoves[++state.PossibleMoveCount];
                entry.amount = {};
                entry.amount[k] = static_cast<int8_t>(d1);
            }
        }
    } else {
        AddMoveCombination(state, player, d1, d2, d3);
    }
    if (d3 == 0 && d2 != 0) {
        AddMoveCombination(state, player, d1 + d2, 0, 0);
    }
    if (d3 != 0 && d2 != 0) {
        AddMoveCombination(state, player, d1 + d2 + d3, 0, 0);
        AddMoveCombination(state, player, d1 + d2, d3, 0);
        AddMoveCombination(state, player, d1, d2 + d3, 0);
        AddMoveCombination(state, player, d1 + d3, d2, 0);
    }
    if (state.PossibleMoveCount < 2) {
        return;
    }
    int position[4];
    for (int k = 0; k < 4; ++k) {
        position[k] = PiecePosition(state, player, k);
    }
    for (int n = 2; n <= state.PossibleMoveCount; ++n) {
        MoveEntry& entry = state.PossibleMoves[n];
        for (int k = 0; k < 4; ++k) {
            const int m = entry.amount[k];
            const int q = position[k];
            entry.destination[k] = static_cast<int8_t>((q > 75 && m >= 6) ? m - 5 : q + m);
        }
    }
}

void BuildPieceOptions(GameState& state, int player) {
    (void)player;
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
