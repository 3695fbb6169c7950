// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole state of a game in one record: players, pieces and squares, the turn and its dice,
// the possible moves, the requests that commands leave for the turn driver, the settings, and
// what the player sees of every square, panel and die. The window only paints this record.
#include "game/Rgb.h"
#include "rules/BoardGeometry.h"

#include <array>
#include <cstdint>
#include <string>

namespace ruvo {

// Pictures a display control can show.
enum class Picture : uint8_t {
    Blank,  // the empty-square picture
    Piece0, // player 0's piece .. player 3's piece
    Piece1,
    Piece2,
    Piece3,
    WonPos,   // the final squares
    Human,    // a person plays this player
    Computer, // the computer plays this player
    Target,   // the preview's target marker
};

constexpr Picture PiecePicture(int player) {
    return static_cast<Picture>(static_cast<int>(Picture::Piece0) + player);
}

// One element of the square control array `Piece` (0..100): 0..91 the board squares, 92..95 the
// players' piece pictures, 96 the amount marker, 97 the target marker, 100 the blank picture.
struct SquareView {
    Picture picture = Picture::Blank;
    std::string caption;
    Rgb backColor = SquareBackColor;
    Rgb foreColor = MakeRgb(255, 255, 255);
    bool visible = false;
    bool fontBold = true;
    std::string Tag;     // the square record
    int overSquare = -1; // markers only: the board square they are drawn over
    bool operator==(const SquareView&) const = default;
};

struct LabelView {
    std::string caption;
    bool visible = true;
    bool operator==(const LabelView&) const = default;
};

struct TypePictureView {
    Picture picture = Picture::Computer;
    std::string toolTip;
    bool visible = true;
    bool operator==(const TypePictureView&) const = default;
};

// One entry of the possible-moves list: the amount each piece moves and where it ends.
struct MoveEntry {
    std::array<int8_t, 4> amount{};
    std::array<int8_t, 4> destination{};
    bool operator==(const MoveEntry&) const = default;
};

// One option of a piece: move by amount, reach destination.
struct PieceOption {
    int8_t amount = 0;
    int8_t destination = 0;
    bool operator==(const PieceOption&) const = default;
};

inline constexpr int MaxMoveEntries = 100;
inline constexpr int MaxPieceOptions = 100;
inline constexpr int NoPlayer = -1;

struct GameState {
    // Constants
    int16_t FlagYes = 1;
    int16_t FlagNo = 0;

    // Players
    std::array<std::string, 4> PlayerType{"H", "C", "C", "C"};
    std::array<int16_t, 4> PlayerEnabled{1, 1, 1, 1};
    std::array<int16_t, 4> PlayerPaused{};
    std::array<int32_t, 4> PlayerColor{};
    std::array<int32_t, 4> BoardColor{};
    int16_t PlayerCount = 4;
    std::array<int16_t, 4> FinishPlace{};
    int16_t FinishedCount = 0;
    std::array<std::array<int16_t, 7>, 4> ThrowCount{};
    std::array<int16_t, 4> FrequentFace{};

    // Board
    std::array<int16_t, SquareTotal> SquareCount{};
    std::array<int16_t, SquareTotal> SquareOwner{};
    // Path position of each piece of each player (shown and stored as "76,77,78,79").
    std::array<std::array<int16_t, 4>, 4> PieceSquares{};
    std::array<int16_t, SquareTotal> SquareCol{};
    std::array<int16_t, SquareTotal> SquareRow{};
    int16_t TileSize = 0;

    // Turn
    int16_t CurrentPlayer = -1;
    int16_t TurnCount = 0;
    std::array<int16_t, 4> DiceThrow{};
    int16_t ExtraTurn = 0;

    // Moves
    std::array<MoveEntry, MaxMoveEntries> PossibleMoves{};
    int16_t PossibleMoveCount = 1;
    int16_t ChosenMove = -1;
    int16_t MovingPiece = 0;
    std::array<std::array<PieceOption, MaxPieceOptions>, 4> PieceOptions{};
    std::array<int16_t, 4> PieceOptionCount{};
    int16_t PreviewOption = 1;
    int16_t PreviewSquare = -1;
    int16_t PreviewTarget = -1;

    // Requests left by commands for the turn driver
    int16_t SavePending = 0;
    int16_t RestartPending = 0;
    // Per player: FlagYes while its pieces wait to be taken off the board after its removal.
    std::array<int16_t, 4> RemovePending{};
    int16_t AwaitingStart = 0;

    // Settings
    int16_t SingleAuto = 0;
    int16_t SoundOn = 1;
    int16_t SpeedFactor = 30;
    int32_t WaitDelay = 0;

    // Sound file names
    std::string SndCapture = "ruvcap.wav";
    std::string SndClick = "Shsh-dot.wav";
    std::string SndRemove = "ruvcap.wav";
    std::string SndOpen = "ruvOpen.wav";
    std::string SndMove = "kvtmove.wav";
    std::string SndHome = "ruvhome.wav";
    std::string SndError = "kvterr2.wav";
    std::string SndThanks = "Thanks.Wav";

    // What the player sees
    std::array<SquareView, ControlTotal> Piece;
    std::array<LabelView, 4> DiceHead;
    std::array<std::string, 12> DiceNum; // digit of each dice slot, "" = blank face
    std::array<std::string, 7> DiceCount;
    std::array<LabelView, 4> PlayerInfo;
    std::array<TypePictureView, 4> PlayerTypePicture;
    std::string Label1;           // the pacing delay shown under the speed slider
    int16_t SpeedRange = 30;      // the speed slider's position
    std::string CommandlineTag;   // the command line's own background colour, as Str text
    bool MovesListVisible = true; // the moves log is shown

    bool operator==(const GameState&) const = default;
};

} // namespace ruvo
