#include "board/BoardState.h"

#include "engine/Text.h"

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

struct PathTable {
    std::array<std::array<int8_t, 92>, 4> square{};
    PathTable() {
        for (int p = 0; p < 4; ++p) {
            for (int r = 0; r < 92; ++r) {
                square[p][r] = static_cast<int8_t>(BoardSquare(p, r));
            }
        }
    }
};

const PathTable pathTable;

} // namespace

int PiecePosition(const GameState& state, int player, int piece) {
    return TwoCharValue(state.PieceSquares[player], 3 * piece);
}

void SetPiecePosition(GameState& state, int player, int piece, int position) {
    std::string& text = state.PieceSquares[player];
    const std::string digits = TwoDigits(position);
    const size_t at = 3 * static_cast<size_t>(piece);
    if (text.size() >= at + 2) {
        text[at] = digits[0];
        text[at + 1] = digits[1];
    }
}

int PieceSquare(const GameState& state, int player, int piece) {
    return BoardSquare(player, PiecePosition(state, player, piece));
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
    const size_t found = state.PieceSquares[occupant.player].find(TwoDigits(position));
    occupant.piece = found == std::string::npos ? 0 : static_cast<int>(found) / 3;
    return occupant;
}

void MarkSquare(GameState& state, int square, int player, int count) {
    std::string& record = state.Piece[square].Tag;
    if (record.size() >= 3) {
        record[1] = DieText(player)[0];
        record[2] = DieText(count)[0];
    }
}

void ClearSquareMark(GameState& state, int square) {
    std::string& record = state.Piece[square].Tag;
    if (record.size() >= 3) {
        record[1] = ' ';
        record[2] = ' ';
    }
}

int PathSquare(int player, int position) {
    if (player >= 0 && player < 4 && position >= 0 && position < 92) {
        return pathTable.square[player][position];
    }
    return BoardSquare(player, position);
}

void PlaceAllInYards(GameState& state) {
    state.SquareCount.fill(0);
    state.SquareOwner.fill(-1);
    for (int p = 0; p < 4; ++p) {
        state.PieceSquares[p] = InitialPieceSquares(p);
        for (int k = 0; k < 4; ++k) {
            state.SquareCount[YardSquare(p, k)] = 1;
            state.SquareOwner[YardSquare(p, k)] = static_cast<int16_t>(p);
        }
    }
}

} // namespace ruvo
