// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/TurnDriver.h"

#include "files/Text.h"
#include "game/BoardState.h"
#include "game/DiceDisplay.h"
#include "game/PlayerRoster.h"
#include "game/TurnMoves.h"
#include "rules/RulesPlay.h"

namespace ruvo {

namespace {

const char* const TurnPrompt = ">Take your turn (enter piece#=moveby)";

// Resets a flag when the driver leaves, however it leaves.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

} // namespace

void TurnDriver::showPrompt(int player) {
    host_.setCommandLineColor(state_.PlayerColor[player]);
    host_.setCommandLineText(TurnPrompt);
    host_.focusCommandLine();
}

void TurnDriver::promptPerson(int player) {
    showPrompt(player);
    BuildPieceOptions(state_);
    waitingForPerson_ = true;
}

bool TurnDriver::interrupted() const {
    return state_.RestartPending == state_.FlagYes ||
           (services_.loadPending && services_.loadPending());
}

void TurnDriver::serveRemovals() {
    const int p = state_.CurrentPlayer;
    if (p < 0 || p > 3 || state_.RemovePending[p] != state_.FlagYes) {
        return;
    }
    state_.RemovePending[p] = state_.FlagNo;
    ResetPlayer(p);
    for (int k = 0; k < 4; ++k) {
        state_.Piece[YardSquare(p, k)].visible = false;
    }
}

void TurnDriver::RunTurns() {
    if (running_) {
        return;
    }
    RunningFlag runningFlag(running_);
    waitingForPerson_ = false;
    const int16_t yes = state_.FlagYes;
    for (;;) {
        pacer_.processEvents();
        if (services_.loadPending && services_.loadPending()) {
            services_.serveLoad();
        }
        if (state_.SavePending == yes) {
            state_.SavePending = state_.FlagNo;
            if (services_.serveSave && services_.serveSave()) {
                continue;
            }
        }
        if (state_.RestartPending == yes) {
            state_.RestartPending = state_.FlagNo;
            pacer_.LogLine(-1, "GAME RESTARTED");
            ResetBoard();
            state_.CurrentPlayer = -1;
        }
        serveRemovals();
        int finished = 0;
        for (int p = 0; p < 4; ++p) {
            finished += state_.FinishPlace[p] != 0 ? 1 : 0;
        }
        if (finished == state_.PlayerCount - 1) {
            endOfGame();
            return;
        }
        ++state_.TurnCount;
        for (std::string& die : state_.DiceNum) {
            die.clear();
        }
        for (auto& head : state_.DiceHead) {
            head.visible = false;
        }
        state_.CurrentPlayer =
            static_cast<int16_t>(state_.CurrentPlayer + 1 > 3 ? 0 : state_.CurrentPlayer + 1);
        const int P = state_.CurrentPlayer;
        if (state_.FinishPlace[P] != 0 || state_.PlayerEnabled[P] != yes) {
            continue;
        }
        CheckFinished();
        if (state_.FinishPlace[P] != 0) {
            continue;
        }
        if (state_.DiceHead[P].caption != "move by") {
            state_.DiceHead[P].caption = "move by";
        }
        ThrowDice();
        state_.DiceHead[P].visible = true;
        if (interrupted()) {
            continue; // a restart or a load asked for during the throw's stop comes first
        }
        if (state_.DiceThrow[1] == 0) {
            pacer_.LogAndPace(P, "Dice throw all 6's - no move", 3);
            state_.DiceHead[P].caption = "no move";
            continue;
        }
        PrepareTurnMoves(state_, rules_, P, false);
        if (state_.PossibleMoveCount < 2) {
            recorder_.noMove(P);
            continue;
        }
        if (state_.PlayerType[P] == "H" && state_.PossibleMoveCount == 2) {
            if (state_.SingleAuto == state_.FlagNo) {
                promptPerson(P);
                return;
            }
            MakeChosenMove(P);
            person_.applyExtraTurn();
            continue;
        }
        // A computer player of another level thinks while the pace runs.
        const bool thinking =
            chooser_ != nullptr && state_.PlayerType[P] == "C" && chooser_->begin(state_, P);
        pacer_.LogAndPace(P, "", 1);
        if (interrupted()) {
            continue; // asked for during the wait: neither prompt nor move of this game
        }
        if (state_.PlayerType[P] != "C") {
            if (thinking) {
                chooser_->cancel();
            }
            promptPerson(P);
            return;
        }
        if (thinking) {
            const int choice = chooser_->finish([this] { pacer_.processEvents(); });
            if (choice >= 2 && choice <= state_.PossibleMoveCount) {
                state_.ChosenMove = static_cast<int16_t>(choice);
            }
        }
        MakeChosenMove(P);
        person_.applyExtraTurn();
    }
}

void TurnDriver::ThrowDice() {
    const int P = state_.CurrentPlayer;
    rules_ = RulesOf(state_);
    recorder_.follow(rules_);
    const Throws throws = RulesPlay::throwDice(rules_, P, dice_, recorder_);
    if (!throws.allSixes) {
        recorder_.countThrows(rules_, P, throws);
    }
}

void TurnDriver::MakeChosenMove(int player) {
    if (state_.ChosenMove < 2 || state_.ChosenMove > state_.PossibleMoveCount) {
        return;
    }
    RulesState rules = RulesOf(state_);
    recorder_.follow(rules);
    RulesPlay::playMove(rules, player, MoveOf(state_.PossibleMoves[state_.ChosenMove]), recorder_);
    state_.MovingPiece = 3;
}

void TurnDriver::CheckFinished() {
    const int P = state_.CurrentPlayer;
    for (int position : state_.PieceSquares[P]) {
        if (position != HomePosition) {
            return;
        }
    }
    ++state_.FinishedCount;
    state_.FinishPlace[P] = state_.FinishedCount;
    recorder_.finished(P, state_.FinishedCount);
}

void TurnDriver::endOfGame() {
    for (int i = 0; i < 4; ++i) {
        if (!state_.PlayerInfo[i].caption.empty() && state_.PlayerInfo[i].caption[0] == 'P') {
            recorder_.gameEnded(i, state_.TurnCount);
            break;
        }
    }
    const bool again = host_.askYesNo("Game finished, restart?");
    pacer_.checkStop();
    if (!again) {
        services_.endProgram();
        return;
    }
    state_.RestartPending = state_.FlagNo;
    host_.clearLog();
    pacer_.LogLine(-1, "NEW GAME");
    ResetBoard();
    state_.CurrentPlayer = -1;
}

void TurnDriver::ResetBoard() {
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            const int s = PieceSquare(state_, p, k);
            if (s >= 0 && s < SquareTotal) {
                ClearSquareMark(state_, s);
                state_.Piece[s].picture = Picture::Blank;
                state_.Piece[s].caption.clear();
            }
            const int y = YardSquare(p, k);
            state_.Piece[y].caption = DieText(k + 1);
            state_.Piece[y].picture = PiecePicture(p);
            MarkSquare(state_, y, p, 1);
        }
    }
    PlaceAllInYards(state_);
    for (int p = 0; p < 4; ++p) {
        state_.FinishPlace[p] = 0;
        if (state_.PlayerEnabled[p] == state_.FlagYes) {
            state_.PlayerInfo[p].caption = "PLAYER" + Str(p + 1);
        }
        if (state_.PlayerEnabled[p] == state_.FlagNo) {
            state_.PlayerTypePicture[p].visible = false;
            state_.PlayerInfo[p].caption = "NOT PLAYING";
            for (int k = 0; k < 4; ++k) {
                state_.Piece[YardSquare(p, k)].visible = false;
            }
        }
        for (int face = 1; face <= 6; ++face) {
            state_.ThrowCount[p][face] = 0;
            ShowThrowCount(state_, face, p, " ."); // the shown counts start again too
        }
    }
    for (int p = 0; p < 4; ++p) {
        PlayerRoster::ShowPlayerType(state_, p);
    }
    state_.FinishedCount = 0;
    state_.TurnCount = 0;
    state_.AwaitingStart = state_.FlagNo;
    // Nothing asked of the old game outlives it.
    state_.RestartPending = state_.FlagNo;
    state_.RemovePending.fill(state_.FlagNo);
    state_.ExtraTurn = state_.FlagNo;
    ShowFinalSquares(state_);
    person_.hidePreview();
    waitingForPerson_ = false;
    host_.setCommandLineText("");
    host_.setCommandLineColor(static_cast<Rgb>(Val(state_.CommandlineTag)));
}

void TurnDriver::ResetPlayer(int player) {
    for (int k = 0; k < 4; ++k) {
        const int s = PieceSquare(state_, player, k);
        if (s >= 0 && s < SquareTotal) {
            state_.SquareCount[s] = 0;
            state_.SquareOwner[s] = -1;
            ClearSquareMark(state_, s);
            state_.Piece[s].picture = IsFinalSquare(s) ? Picture::WonPos : Picture::Blank;
            if (s >= 52 && s <= 75) {
                state_.Piece[s].backColor = state_.PlayerColor[player];
            } else if (const int owner = StartSquareOwner(s); owner >= 0) {
                state_.Piece[s].backColor = state_.PlayerColor[owner];
            }
            state_.Piece[s].caption.clear();
        }
        const int y = YardSquare(player, k);
        state_.Piece[y].caption = DieText(k + 1);
        state_.SquareCount[y] = 1;
        state_.Piece[y].picture = PiecePicture(player);
        state_.SquareOwner[y] = static_cast<int16_t>(player);
        MarkSquare(state_, y, player, 1); // so a click on the piece in its yard finds it
    }
    for (int face = 1; face <= 6; ++face) {
        ShowThrowCount(state_, face, player, " .");
    }
    for (int k = 0; k < 4; ++k) {
        state_.PieceSquares[player][k] = static_cast<int16_t>(YardSquare(player, k));
    }
}

} // namespace ruvo
