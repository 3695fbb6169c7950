// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ScreenReaderText.h"

#include "files/Text.h"
#include "game/BoardState.h"

#include <vector>

namespace ruvo {

namespace {

std::string Number(long value) {
    return std::to_string(value);
}

std::string Ordinal(int place) {
    static const char* const suffix[] = {"th", "st", "nd", "rd"};
    return Number(place) + (place >= 1 && place <= 3 ? suffix[place] : suffix[0]);
}

// Whose square it is, for the squares that belong to a player: "player 2 start, ".
std::string SquareOwnerText(int square) {
    if (square >= FirstYardSquare) {
        return "player " + Number((square - FirstYardSquare) / 4 + 1) + " yard, ";
    }
    if (IsFinalSquare(square)) {
        return "player " + Number(HomeColumnOwner(square) + 1) + " home, ";
    }
    if (HomeColumnOwner(square) >= 0) {
        return "player " + Number(HomeColumnOwner(square) + 1) + " home column, ";
    }
    if (StartSquareOwner(square) >= 0) {
        return "player " + Number(StartSquareOwner(square) + 1) + " start, ";
    }
    return {};
}

// "player 2, piece 3" or "player 1, pieces 2 and 4"; "" when none of the player's pieces is there.
// On a square that only its owner can reach (yard, home column) the player goes without saying.
std::string PiecesText(const GameState& state, int player, int square) {
    std::vector<int> pieces;
    for (int k = 0; k < 4; ++k) {
        if (PieceSquare(state, player, k) == square) {
            pieces.push_back(k + 1);
        }
    }
    if (pieces.empty()) {
        return {};
    }
    const bool ownersOnly = square >= FirstYardSquare || HomeColumnOwner(square) >= 0;
    std::string text = ownersOnly ? "" : "player " + Number(player + 1) + ", ";
    text += pieces.size() == 1 ? "piece " : "pieces ";
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            text += i + 1 == pieces.size() ? " and " : ", ";
        }
        text += Number(pieces[i]);
    }
    return text;
}

// Where a path position of a player is, as the squares name it.
std::string PlaceText(int player, int position) {
    return position == HomePosition ? "home" : "square " + Number(BoardSquare(player, position));
}

} // namespace

std::string ScreenReaderText::SquareName(const GameState& state, int control) {
    if (control == AmountMarker || control == TargetMarker) {
        const std::string preview = PreviewText(state);
        return preview.empty() ? std::string() : "Preview: " + preview;
    }
    if (control < 0 || control >= SquareTotal) {
        return {};
    }
    std::string occupants;
    for (int p = 0; p < 4; ++p) {
        // A player not taking part keeps its pieces in its hidden yard; on the track they stay
        // until the turn driver takes them off.
        const std::string pieces = PiecesText(state, p, control);
        if (!pieces.empty()) {
            occupants += (occupants.empty() ? "" : "; ") + pieces;
        }
    }
    return "Square " + Number(control) + ": " + SquareOwnerText(control) +
           (occupants.empty() ? "empty" : occupants);
}

std::string ScreenReaderText::PanelName(const GameState& state, int player) {
    std::string text = "Player " + Number(player + 1) + ": ";
    if (state.PlayerEnabled[player] == state.FlagNo) {
        return text + "not playing";
    }
    const bool person = state.PlayerType[player] == "H";
    text += person ? "person" : "computer";
    if (!person && state.PlayerPaused[player] == state.FlagYes) {
        text += ", paused";
    }
    if (state.FinishPlace[player] > 0) {
        text += ", " + Ordinal(state.FinishPlace[player]) + " place";
    } else if (state.CurrentPlayer == player) {
        text += ", to move";
    }
    return text;
}

std::string ScreenReaderText::DieName(const GameState& state, int slot) {
    const std::string& digit = state.DiceNum[slot];
    return "Player " + Number(slot / 3 + 1) + " die " + Number(slot % 3 + 1) + ": " +
           (digit.empty() ? std::string("none") : Number(Val(digit)));
}

std::string ScreenReaderText::ThrowCountCell(const GameState& state, int face, int player) {
    return Number(state.ThrowCount[player][face]);
}

std::string ScreenReaderText::SpeedDescription(const GameState& state) {
    return "Pause between automatic moves:" + state.Label1;
}

std::string ScreenReaderText::PreviewText(const GameState& state) {
    const int P = state.CurrentPlayer;
    const int piece = state.MovingPiece;
    if (state.PreviewSquare < 0 || P < 0 || P > 3 || piece < 0 || piece > 3 ||
        state.PreviewOption < 1 || state.PreviewOption > state.PieceOptionCount[piece]) {
        return {};
    }
    const PieceOption option = state.PieceOptions[piece][state.PreviewOption];
    return "Piece " + Number(piece + 1) + " by " + Number(option.amount) + " to " +
           PlaceText(P, option.destination);
}

} // namespace ruvo
