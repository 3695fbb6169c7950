// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PersonMove.h"

#include "files/Text.h"
#include "game/BoardState.h"
#include "game/DiceDisplay.h"
#include "game/TurnMoves.h"
#include "rules/RulesPlay.h"

namespace ruvo {

namespace {

const std::string TurnPrompt = ">Take your turn (enter piece#=moveby)";

} // namespace

void PersonMove::hidePreview() {
    state_.Piece[AmountMarker].visible = false;
    state_.Piece[TargetMarker].visible = false;
    state_.PreviewSquare = -1;
    state_.PreviewTarget = -1;
}

void PersonMove::applyExtraTurn() {
    if (state_.ExtraTurn == state_.FlagYes) {
        state_.ExtraTurn = state_.FlagNo;
        --state_.CurrentPlayer;
    }
}

bool PersonMove::MakeOptionMove(int piece, bool typed) {
    const int P = state_.CurrentPlayer;
    if (P < 0 || P > 3 || piece < 0 || piece > 3 || state_.PreviewOption < 1 ||
        state_.PreviewOption > state_.PieceOptionCount[piece]) {
        return false;
    }
    const int a = state_.PieceOptions[piece][state_.PreviewOption].amount;
    RulesState rules = RulesOf(state_);
    recorder_.follow(rules);
    recorder_.setMoveKind(GameRecorder::MoveKind::Option);
    RulesPlay::playMove(rules, P, MoveList::Move(a) << (8 * piece), recorder_);
    recorder_.setMoveKind(GameRecorder::MoveKind::Whole);

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
    // The remaining throws take the list's general path.
    PrepareTurnMoves(state_, rules, P, true);
    hidePreview();
    if (state_.PossibleMoveCount < 2) {
        // The remaining throws cannot be spent: the turn ends without a further move.
        recorder_.noMove(P);
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

void PersonMove::ShowMovePreview(int square, int amount, int destination) {
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

bool PersonMove::squareMouseUp(int control, int button) {
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

void PersonMove::mouseMoveOver(int control) {
    if (state_.PreviewSquare != -1 && control != AmountMarker) {
        hidePreview();
    }
}

} // namespace ruvo
