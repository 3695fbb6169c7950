// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game reads from a square record and therefore needs to be right in it: the
// path-position field of every player whose pieces can stand on the square.
#include <string>
#include <string_view>

namespace ruvo {

class SquareRecordCheck {
public:
    static constexpr int RecordLength = 11;

    // The path position at which player's pieces stand on square (1..57 or the square itself
    // for one of the player's own yard squares), or 0 when they never stand there.
    static int PathPosition(int player, int square);

    // The numeric value of player's field (characters 2p+4..2p+5) of a record.
    static int PathField(std::string_view record, int player);

    // Empty when the record of square 0..91 is long enough and every player's field is right
    // wherever that player's pieces can stand; otherwise what is wrong.
    static std::string PathFieldFault(int square, std::string_view record);
};

} // namespace ruvo
