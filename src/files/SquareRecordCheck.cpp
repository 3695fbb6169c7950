// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SquareRecordCheck.h"

#include "files/Text.h"
#include "rules/BoardGeometry.h"

#include <array>

namespace ruvo {

namespace {

using PositionTable = std::array<std::array<int, SquareTotal>, 4>;

PositionTable BuildPositionTable() {
    PositionTable table{};
    for (int player = 0; player < 4; ++player) {
        for (int position = 1; position <= HomePosition; ++position) {
            table[player][BoardSquare(player, position)] = position;
        }
        for (int piece = 0; piece < 4; ++piece) {
            table[player][YardSquare(player, piece)] = YardSquare(player, piece);
        }
    }
    return table;
}

} // namespace

int SquareRecordCheck::PathPosition(int player, int square) {
    static const PositionTable table = BuildPositionTable();
    if (player < 0 || player > 3 || square < 0 || square >= SquareTotal) {
        return 0;
    }
    return table[player][square];
}

int SquareRecordCheck::PathField(std::string_view record, int player) {
    const size_t start = static_cast<size_t>(2 * player + 3);
    return start < record.size() ? static_cast<int>(Val(record.substr(start, 2))) : 0;
}

std::string SquareRecordCheck::PathFieldFault(int square, std::string_view record) {
    if (record.size() < RecordLength) {
        return "the record of square " + std::to_string(square) + " is shorter than " +
               std::to_string(RecordLength) + " characters";
    }
    for (int player = 0; player < 4; ++player) {
        const int position = PathPosition(player, square);
        if (position != 0 && PathField(record, player) != position) {
            return "the record of square " + std::to_string(square) + " must give player" +
                   Str(player + 1) + "'s path position as " + TwoDigits(position);
        }
    }
    return "";
}

} // namespace ruvo
