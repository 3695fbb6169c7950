// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRecorder.h"

#include "files/Text.h"
#include "game/BoardState.h"
#include "game/DiceDisplay.h"

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

// Adds a piece number to a square's caption as Str writes it: a space, then the digit.
void AppendPieceNumber(std::string& caption, int number) {
    caption += ' ';
    caption += static_cast<char>('0' + number);
}

std::string PlaceText(int place) {
    switch (place) {
    case 1:
        return "1st";
    case 2:
        return "2nd";
    case 3:
        return "3rd";
    default:
        return "";
    }
}

} // namespace

void GameRecorder::paintSquareBackground(int square) {
    const int owner = ColouredSquareOwners[square];
    state_.Piece[square].backColor = owner >= 0 ? state_.PlayerColor[owner] : SquareBackColor;
}

void GameRecorder::putPiece(RulesState& rules, int player, int piece, int position) {
    const RulesState* followed = rules_;
    const MoveKind kind = kind_;
    rules_ = &rules;
    kind_ = MoveKind::Put;
    const int from = RulesState::squareOf(player, rules.position[player][piece]);
    rules.lift(player, from);
    lifted(player, piece, from);
    const int to = RulesState::squareOf(player, position);
    const RulesState::Captured victim = rules.place(player, to);
    if (victim.player >= 0) {
        captured(player, victim.player, victim.piece, to);
    }
    rules.position[player][piece] = static_cast<uint8_t>(position);
    placed(player, piece, to);
    rules_ = followed;
    kind_ = kind;
}

void GameRecorder::thrown(int player, const Throws& throws) {
    const int first = 3 * player;
    for (int n = 0; n < 3; ++n) {
        state_.DiceThrow[n + 1] = throws.face[n];
        if (throws.face[n] != 0) {
            ShowDieValue(state_, first + n, throws.face[n]);
        }
    }
    if (pacer_.logWanted() || state_.PlayerPaused[player] == state_.FlagYes) {
        std::string t;
        for (int i = 0; i < 3; ++i) {
            t += ' ';
            t += state_.DiceNum[first + i];
            t += ' ';
        }
        pacer_.LogAndPace(player, "Dice throw : " + t, 2);
    }
}

void GameRecorder::allSixes(int player) {
    for (int n = 0; n < 3; ++n) {
        ShowDieValue(state_, 3 * player + n, 6);
    }
    state_.DiceThrow[1] = state_.DiceThrow[2] = state_.DiceThrow[3] = 0;
}

void GameRecorder::countThrows(const RulesState& rules, int player, const Throws& throws) {
    for (int n = 0; n < 3 && throws.face[n] != 0; ++n) {
        const int face = throws.face[n];
        const int count = rules.throwCount[player][face];
        state_.ThrowCount[player][face] = static_cast<int16_t>(count);
        ShowThrowCount(state_, face, player, RightAligned2(count));
    }
    state_.FrequentFace[player] = static_cast<int16_t>(rules.frequentFace[player]);
}

void GameRecorder::noMove(int player) {
    state_.DiceHead[player].caption = "no move";
    pacer_.LogAndPace(player, "No move", 3);
}

void GameRecorder::lifted(int player, int piece, int square) {
    state_.MovingPiece = static_cast<int16_t>(piece);
    pacer_.playsound(state_.SndMove);
    SquareView& view = state_.Piece[square];
    --state_.SquareCount[square];
    ClearSquareMark(state_, square);
    view.picture = Picture::Blank;
    if (state_.SquareCount[square] <= 0) {
        state_.SquareCount[square] = 0;
        state_.SquareOwner[square] = -1;
        if (ColouredSquareOwners[square] >= 0) {
            paintSquareBackground(square);
        }
    } else {
        view.picture = PiecePicture(player);
        state_.SquareOwner[square] = static_cast<int16_t>(player);
        MarkSquare(state_, square, player, state_.SquareCount[square]);
        paintSquareBackground(square);
    }
}

void GameRecorder::moving(int player, int piece, int amount, bool opening) {
    amount_ = amount;
    const char* label = "Move";
    if (kind_ == MoveKind::Whole && state_.CurrentPlayer >= 0 &&
        state_.PlayerType[state_.CurrentPlayer] == "H") {
        label = "Auto move";
    }
    if (opening) {
        label = "Open";
        pacer_.playsound(state_.SndOpen);
    }
    pacer_.LogAndPaceWith(
        player, [&] { return label + (" piece" + Str(piece + 1)) + " by" + Str(amount); },
        kind_ == MoveKind::Whole ? 3 : 2);
}

void GameRecorder::reachedHome(int player, int piece) {
    pacer_.LogAndPaceWith(
        kind_ == MoveKind::Whole ? state_.CurrentPlayer : player,
        [&] { return "Piece" + Str(piece + 1) + " reached home"; }, 2);
    pacer_.playsound(state_.SndHome);
    state_.ExtraTurn = state_.FlagYes;
}

void GameRecorder::captured(int player, int victim, int victimPiece, int square) {
    pacer_.playsound(state_.SndMove);
    captured_ = true;
    pacer_.playsound(state_.SndCapture);
    pacer_.LogAndPaceWith(
        player,
        [&] { return "Removed player" + Str(victim + 1) + " piece" + Str(victimPiece + 1); }, 2);
    const int y = YardSquare(victim, victimPiece);
    state_.Piece[y].caption = DieText(victimPiece + 1);
    state_.SquareCount[y] = 1;
    state_.Piece[y].picture = PiecePicture(victim);
    state_.SquareOwner[y] = static_cast<int16_t>(victim);
    SetPiecePosition(state_, victim, victimPiece, y);
    MarkSquare(state_, y, victim, 1);
    state_.SquareCount[square] = 0;
    state_.Piece[square].caption.clear();
}

void GameRecorder::placed(int player, int piece, int square) {
    if (!captured_) {
        pacer_.playsound(state_.SndMove);
    }
    captured_ = false;
    ++state_.SquareCount[square];
    SquareView& view = state_.Piece[square];
    view.picture = PiecePicture(player);
    paintSquareBackground(square);
    view.foreColor = MakeRgb(255, 255, 255);
    state_.SquareOwner[square] = static_cast<int16_t>(player);
    MarkSquare(state_, square, player, state_.SquareCount[square]);

    // The piece's new position, its number on its new square, the pieces left on the old one.
    const int oldPosition = PiecePosition(state_, player, piece);
    const int newPosition = rules_->position[player][piece];
    SetPiecePosition(state_, player, piece, newPosition);
    AppendPieceNumber(view.caption, piece + 1);
    SquareView& oldView = state_.Piece[BoardSquare(player, oldPosition)];
    oldView.caption.clear();
    for (int j = 1; j <= 4; ++j) {
        if (PiecePosition(state_, player, j - 1) == oldPosition) {
            AppendPieceNumber(oldView.caption, j);
        }
    }
    oldView.foreColor = MakeRgb(255, 255, 255);
    if (kind_ == MoveKind::Whole) {
        clearUsedDice(state_.CurrentPlayer, amount_);
    }
}

void GameRecorder::clearUsedDice(int player, int amount) {
    if (player < 0 || player > 3) {
        return;
    }
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

void GameRecorder::finished(int player, int place) {
    const std::string text = PlaceText(place);
    pacer_.LogLine(player + 1, "FINISHED " + text);
    state_.PlayerInfo[player].caption = text + " = Player" + Str(player + 1);
}

void GameRecorder::gameEnded(int lastPlayer, int turns) {
    if (lastPlayer < 0) {
        return;
    }
    state_.PlayerInfo[lastPlayer].caption = "LAST = Player" + Str(lastPlayer + 1);
    pacer_.LogLine(lastPlayer + 1, "FINISHED LAST");
    pacer_.LogLine(-1, "GAME ENDED IN" + Str(turns) + " TURNS");
}

} // namespace ruvo
