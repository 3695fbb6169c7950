// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardState.h"

#include "files/Text.h"

#include <array>

namespace ruvo {

namespace {

int TwoCharValue(const std::string& text, size_t at) {
    if (at + 2 > text.size()) {
        return static_cast<int>(Val(at < text.size() ? std::string_view(text).substr(at) : ""));
    }
    const char a = text[at];
    const char b = text[at + 1];
    if (a >= '0' && a <= '9' && b >= '0' && b <= '9') {
        return (a - '0') * 10 + (b - '0');
    }
    return static_cast<int>(Val(std::string_view(text).substr(at, 2)));
}

} // namespace

std::string PieceSquaresText(const GameState& state, int player) {
    std::string text;
    for (int k = 0; k < 4; ++k) {
        if (k > 0) {
            text += ',';
        }
        text += TwoDigits(state.PieceSquares[player][k]);
    }
    return text;
}

void SetPieceSquaresText(GameState& state, int player, const std::string& text) {
    for (int k = 0; k < 4; ++k) {
        state.PieceSquares[player][k] = static_cast<int16_t>(TwoCharValue(text, 3 * k));
    }
}

Occupant SquareOccupant(const GameState& state, int square) {
    const std::string& record = state.Piece[square].Tag;
    if (record.size() < 2 || record[1] == ' ') {
        return {};
    }
    Occupant occupant;
    occupant.player = static_cast<int>(Val(std::string_view(record).substr(1, 1)));
    if (occupant.player < 0 || occupant.player > 3) {
        return {};
    }
    const int position = TwoCharValue(record, 2 * occupant.player + 3);
    occupant.piece = 0; // a position no piece holds gives piece 0
    for (int k = 0; k < 4; ++k) {
        if (state.PieceSquares[occupant.player][k] == position) {
            occupant.piece = k;
            break;
        }
    }
    return occupant;
}

void ShowFinalSquares(GameState& state) {
    for (int square = 0; square < SquareTotal; ++square) {
        if (IsFinalSquare(square)) {
            state.Piece[square].picture = Picture::WonPos;
            state.Piece[square].fontBold = false;
        }
    }
}

void PlaceAllInYards(GameState& state) {
    state.SquareCount.fill(0);
    state.SquareOwner.fill(-1);
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            state.PieceSquares[p][k] = static_cast<int16_t>(YardSquare(p, k));
            state.SquareCount[YardSquare(p, k)] = 1;
            state.SquareOwner[YardSquare(p, k)] = static_cast<int16_t>(p);
        }
    }
}

} // namespace ruvo
