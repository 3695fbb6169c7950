// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the moves log of games played on the rules core, one "C|TEXT" line per logged event
// (C the palette colour: 0 black, 1 blue, 2 green, 6 yellow, 4 red), the lines the window logs.
#include "rules/MoveList.h"

#include <ostream>
#include <string>

namespace ruvo {

class LogObserver {
public:
    explicit LogObserver(std::ostream& out) : out_(out) {}

    // The palette colour of a player's lines.
    static int Colour(int player) {
        constexpr int colours[4] = {1, 2, 6, 4};
        return player >= 0 && player <= 3 ? colours[player] : 0;
    }

    void thrown(int player, const Throws& throws) {
        line(player) << "Dice throw : ";
        for (const int face : throws.face) {
            out_ << ' ';
            if (face != 0) {
                out_ << face;
            }
            out_ << ' ';
        }
        out_ << '\n';
    }
    void allSixes(int player) { line(player) << "Dice throw all 6's - no move\n"; }
    void noMove(int player) { line(player) << "No move\n"; }
    void lifted(int, int, int) {}
    void moving(int player, int piece, int amount, bool opening) {
        line(player) << (opening ? "Open" : "Move") << " piece " << piece + 1 << " by " << amount
                     << '\n';
    }
    void reachedHome(int player, int piece) {
        line(player) << "Piece " << piece + 1 << " reached home\n";
    }
    void captured(int player, int victim, int victimPiece, int) {
        line(player) << "Removed player " << victim + 1 << " piece " << victimPiece + 1 << '\n';
    }
    void placed(int, int, int) {}
    void finished(int player, int place) {
        const char* names[4] = {"", "1st", "2nd", "3rd"};
        line(player) << "FINISHED " << (place >= 1 && place <= 3 ? names[place] : "") << '\n';
    }
    void gameEnded(int lastPlayer, int turns) {
        if (lastPlayer >= 0) {
            line(lastPlayer) << "FINISHED LAST\n";
            line(-1) << "GAME ENDED IN " << turns << " TURNS\n";
        }
    }
    // A line of the game rather than of a player, in black.
    void note(const char* text, const std::string& more = "") { line(-1) << text << more << '\n'; }

private:
    std::ostream& line(int player) { return out_ << Colour(player) << '|'; }

    std::ostream& out_;
};

} // namespace ruvo
