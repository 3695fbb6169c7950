// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/MoveExecutor.h"

#include "board/BoardState.h"
#include "engine/DiceDisplay.h"
#include "engine/Text.h"
#include "moves/ComputerPlayer.h"

#include <array>

namespace ruvo {

namespace {

// The player whose colour a square keeps whatever stands on it: home columns, start squares
// and yards; -1 for an ordinary square.
constexpr auto ColouredSquareOwners = [] {
    std::array<int8_t, SquareTotal> owners{};
    for (int square = 0; square < SquareTotal; ++square) {
        int owner = HomeColumnOwner(square);
        if (owner < 0) {
            owner = StartSquareOwner(square);
        }
        if (owner < 0 && square >= FirstYardSquare) {
            owner = (square - FirstYardSquare) / 4;
        }
        owners[square] = static_cast<int8_t>(owner);
    }
    return owners;
}();

int ColouredSquareOwner(int square) {
    return ColouredSquareOwners[square];
}

// Adds a piece number to a square's caption as Str writes it: a space, then the digit.
void AppendPieceNumber(std::string& caption, int number) {
    caption += ' ';
    caption += static_cast<char>('0' + number);
}

const std::string TurnPrompt = ">Take your turn (enter piece#=moveby)";

} // namespace

void MoveExecutor::paintSquareBackground(int square) {
    const int owner = ColouredSquareOwner(square);
    state_.Piece[square].backColor = owner >= 0 ? state_.PlayerColor[owner] : SquareBackColor;
}

void MoveExecutor::LiftPiece(int player, int position) {
    pacer_.playsound(state_.SndMove);
    const int b = BoardSquare(player, position);
    if (b < 0 || b >= SquareTotal) {
        return;
    }
    SquareView& view = state_.Piece[b];
    --state_.SquareCount[b];
    ClearSquareMark(state_, b);
    view.picture = Picture::Blank;
    if (state_.SquareCount[b] <= 0) {
        state_.SquareCount[b] = 0;
        state_.SquareOwner[b] = -1;
        if (ColouredSquareOwner(b) >= 0) {
            paintSquareBackground(b);
        }
    } else {
        view.picture = PiecePicture(player);
        state_.SquareOwner[b] = static_cast<int16_t>(player);
        MarkSquare(state_, b, player, state_.SquareCount[b]);
        paintSquareBackground(b);
    }
}

void MoveExecutor::PlacePiece(int player, int position) {
    pacer_.playsound(state_.SndMove);
    const int b = BoardSquare(player, position);
    if (b < 0 || b >= SquareTotal) {
        return;
    }
    if (state_.SquareOwner[b] != -1 && state_.SquareCount[b] >= 1 &&
        state_.SquareOwner[b] != player) {
        const Occupant captured = SquareOccupant(state_, b);
        const int v = captured.player;
        const int k = captured.piece;
        pacer_.playsound(state_.SndCapture);
        pacer_.LogAndPaceWith(
            player, [&] { return "Removed player" + Str(v + 1) + " piece" + Str(k + 1); }, 2);
        if (v >= 0 && v <= 3 && k >= 0 && k <= 3) {
            const int y = YardSquare(v, k);
            state_.Piece[y].caption = DieText(k + 1);
            state_.SquareCount[y] = 1;
            state_.Piece[y].picture = PiecePicture(v);
            state_.SquareOwner[y] = static_cast<int16_t>(v);
            SetPiecePosition(state_, v, k, y);
            MarkSquare(state_, y, v, 1);
        }
        state_.SquareCount[b] = 0;
        state_.Piece[b].caption.clear();
    }
    ++state_.SquareCount[b];
    SquareView& view = state_.Piece[b];
    view.picture = PiecePicture(player);
    paintSquareBackground(b);
    view.foreColor = MakeRgb(255, 255, 255);
    state_.SquareOwner[b] = static_cast<int16_t>(player);
    MarkSquare(state_, b, player, state_.SquareCount[b]);
}

void MoveExecutor::RecordPiecePosition(int player, int oldPosition, int newPosition) {
    const int m = state_.MovingPiece;
    SetPiecePosition(state_, player, m, newPosition);
    AppendPieceNumber(state_.Piece[BoardSquare(player, newPosition)].caption, m + 1);
    SquareView& oldView = state_.Piece[BoardSquare(player, oldPosition)];
    oldView.caption.clear();
    for (int j = 1; j <= 4; ++j) {
        if (PiecePosition(state_, player, j - 1) == oldPosition) {
            AppendPieceNumber(oldView.caption, j);
        }
    }
    oldView.foreColor = MakeRgb(255, 255, 255);
}

void MoveExecutor::clearUsedDice(int player, int amount) {
    const int first = 3 * player;
    const int total = state_.DiceThrow[1] + state_.DiceThrow[2] + state_.DiceThrow[3];
    if (amount == total) {
        for (int i = 0; i < 3; ++i) {
            ShowDie(state_, first + i, "");
        }
        return;
    }
    auto shown = [&](int i) { return ShownDie(state_, first + i); };
    if (amount <= 6) {
        for (int i = 0; i < 3; ++i) {
            if (!state_.DiceNum[first + i].empty() && shown(i) == amount) {
                ShowDie(state_, first + i, "");
                return;
            }
        }
        return;
    }
    // A sum of two throws: the first pair of still-shown slots that makes it up.
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            if (!state_.DiceNum[first + i].empty() && !state_.DiceNum[first + j].empty() &&
                shown(i) + shown(j) == amount) {
                ShowDie(state_, first + i, "");
                ShowDie(state_, first + j, "");
                return;
            }
        }
    }
}

void MoveExecutor::MakeChosenMove(int player) {
    if (state_.ChosenMove < 2 || state_.ChosenMove > state_.PossibleMoveCount) {
        return;
    }
    const MoveEntry entry = state_.PossibleMoves[state_.ChosenMove];
    for (int j = 1; j <= 4; ++j) {
        state_.MovingPiece = static_cast<int16_t>(j - 1);
        const int oldPos = PiecePosition(state_, player, j - 1);
        const int newPos = entry.destination[j - 1];
        if (oldPos == newPos) {
            continue;
        }
        LiftPiece(player, oldPos);
        const int a = entry.amount[j - 1];
        const char* label = "Move";
        if (state_.CurrentPlayer >= 0 && state_.PlayerType[state_.CurrentPlayer] == "H") {
            label = "Auto move";
        }
        if (oldPos > 75) {
            label = "Open";
            pacer_.playsound(state_.SndOpen);
        }
        pacer_.LogAndPaceWith(
            player, [&] { return label + (" piece" + Str(j)) + " by" + Str(a); }, 3);
        if (newPos == HomePosition) {
            pacer_.LogAndPaceWith(
                state_.CurrentPlayer, [&] { return "Piece" + Str(j) + " reached home"; }, 2);
            pacer_.playsound(state_.SndHome);
            state_.ExtraTurn = state_.FlagYes;
        }
        PlacePiece(player, newPos);
        RecordPiecePosition(player, oldPos, newPos);
        clearUsedDice(state_.CurrentPlayer, a);
    }
}

void MoveExecutor::hidePreview() {
    state_.Piece[AmountMarker].visible = false;
    state_.Piece[TargetMarker].visible = false;
    state_.PreviewSquare = -1;
    state_.PreviewTarget = -1;
}

void MoveExecutor::applyExtraTurn() {
    if (state_.ExtraTurn == state_.FlagYes) {
        state_.ExtraTurn = state_.FlagNo;
        --state_.CurrentPlayer;
    }
}

bool MoveExecutor::MakeOptionMove(int piece, bool typed) {
    const int P = state_.CurrentPlayer;
    if (P < 0 || P > 3 || piece < 0 || piece > 3 || state_.PreviewOption < 1 ||
        state_.PreviewOption > state_.PieceOptionCount[piece]) {
        return false;
    }
    const PieceOption option = state_.PieceOptions[piece][state_.PreviewOption];
    const int oldPos = PiecePosition(state_, P, piece);
    LiftPiece(P, oldPos);
    const int a = option.amount;
    const int d = option.destination;
    const char* label = "Move";
    if (oldPos > 75) {
        label = "Open";
        pacer_.playsound(state_.SndOpen);
    }
    pacer_.LogAndPace(P, label + (" piece" + Str(piece + 1)) + " by" + Str(a), 2);
    if (d == HomePosition) {
        pacer_.LogAndPace(P, "Piece" + Str(piece + 1) + " reached home", 2);
        pacer_.playsound(state_.SndHome);
        state_.ExtraTurn = state_.FlagYes;
    }
    PlacePiece(P, d);
    RecordPiecePosition(P, oldPos, d);

    const int total = state_.DiceThrow[1] + state_.DiceThrow[2] + state_.DiceThrow[3];
    if (a == total) {
        state_.DiceThrow[1] = state_.DiceThrow[2] = state_.DiceThrow[3] = 0;
        hidePreview();
        applyExtraTurn();
        return true;
    }
    if (a <= 6) {
        for (int i = 1; i <= 3; ++i) {
            if (state_.DiceThrow[i] == a) {
                for (int j = i; j < 3; ++j) {
                    state_.DiceThrow[j] = state_.DiceThrow[j + 1];
                }
                state_.DiceThrow[3] = 0;
                break;
            }
        }
    } else {
        state_.DiceThrow[1] = static_cast<int16_t>(total - a);
        state_.DiceThrow[2] = 0;
        state_.DiceThrow[3] = 0;
    }
    for (int i = 0; i < 3; ++i) {
        ShowDie(state_, 3 * P + i, "");
        if (state_.DiceThrow[i + 1] != 0) {
            ShowDieValue(state_, 3 * P + i, state_.DiceThrow[i + 1]);
        }
    }
    PrepareTurnMoves(state_, P);
    hidePreview();
    if (state_.PossibleMoveCount < 2) {
        // The remaining throws cannot be spent: the turn ends without a further move.
        state_.DiceHead[P].caption = "no move";
        pacer_.LogAndPace(P, "No move", 3);
        state_.DiceThrow[1] = state_.DiceThrow[2] = state_.DiceThrow[3] = 0;
        applyExtraTurn();
        return true;
    }
    if (typed) {
        host_.setCommandLineText(TurnPrompt);
        host_.focusCommandLine();
    }
    return false;
}

void MoveExecutor::ShowMovePreview(int square, int amount, int destination) {
    const std::string& record = state_.Piece[square].Tag;
    const int occupant = record.size() >= 2 ? static_cast<int>(Val(record.substr(1, 1))) : -1;
    if (record.size() < 2 || record[1] == ' ' || occupant != state_.CurrentPlayer) {
        host_.message(Str(square) + " tag=" + record + "," + Str(state_.CurrentPlayer) +
                      "not this player turn");
        pacer_.checkStop();
        return;
    }
    SquareView& amountMarker = state_.Piece[AmountMarker];
    SquareView& targetMarker = state_.Piece[TargetMarker];
    targetMarker.visible = false;
    amountMarker.overSquare = square;
    amountMarker.caption = TwoDigits(amount) + "+";
    amountMarker.visible = true;
    state_.PreviewTarget = static_cast<int16_t>(destination);
    targetMarker.overSquare = BoardSquare(state_.CurrentPlayer, destination);
    targetMarker.visible = true;
}

bool MoveExecutor::squareMouseUp(int control, int button) {
    if (control < 0 || control >= ControlTotal) {
        return false;
    }
    if (state_.PreviewSquare == -1) {
        const Occupant occupant = SquareOccupant(state_, control);
        state_.MovingPiece = static_cast<int16_t>(occupant.piece);
        if (occupant.player == -1 || occupant.player != state_.CurrentPlayer) {
            return false;
        }
        state_.PreviewOption = 1;
        const PieceOption first = state_.PieceOptions[occupant.piece][1];
        if (first.amount == 0 || state_.PieceOptionCount[occupant.piece] == 0) {
            return false;
        }
        ShowMovePreview(control, first.amount, first.destination);
        state_.PreviewSquare = static_cast<int16_t>(control);
        pacer_.playsound(state_.SndMove);
        return false;
    }
    if (control != AmountMarker || state_.MovingPiece < 0 || state_.MovingPiece > 3) {
        return false;
    }
    if (button == 1) {
        ++state_.PreviewOption;
        if (state_.PreviewOption > state_.PieceOptionCount[state_.MovingPiece]) {
            state_.PreviewOption = 1;
        }
        const PieceOption shown = state_.PieceOptions[state_.MovingPiece][state_.PreviewOption];
        ShowMovePreview(state_.PreviewSquare, shown.amount, shown.destination);
        return false;
    }
    if (button == 2) {
        return MakeOptionMove(state_.MovingPiece, false);
    }
    return false;
}

void MoveExecutor::mouseMoveOver(int control) {
    if (state_.PreviewSquare != -1 && control != AmountMarker) {
        hidePreview();
    }
}

} // namespace ruvo
