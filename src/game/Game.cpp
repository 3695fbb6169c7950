// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "files/FileError.h"
#include "files/OpenSave.h"
#include "files/SavedGameFile.h"
#include "files/Text.h"
#include "game/BoardState.h"
#include "game/DiceDisplay.h"
#include "game/GameStopped.h"
#include "game/TurnMoves.h"

namespace ruvo {

namespace {

const char* const DiceCountDesign[7] = {
    "      P1  P2  P3  P4", "1's   P1  P2  P3  P4", "2's   P1  P2  P3  P4", "3's   P1  P2  P3  P4",
    "4's   P1  P2  P3  P4", "5's   P1  P2  P3  P4", "6's   P1  P2  P3  P4"};

// The delay in seconds as Str shows a number: " 0", " 14.5".
std::string SecondsText(long halfSeconds) {
    std::string text = Str(halfSeconds / 2);
    if (halfSeconds % 2 != 0) {
        text += ".5";
    }
    return text;
}

bool IsCommandWord(const std::string& word) {
    for (const char* command : {"SOUND", "START", "SAVEGAME", "LOADGAME", "HELP", "EXIT"}) {
        if (word == command) {
            return true;
        }
    }
    return false;
}

} // namespace

Game::Game(GameHost& host, DiceSource& dice)
    : host_(host), pacer_(state_, host, stopped_), recorder_(state_, pacer_),
      person_(state_, host, pacer_, recorder_),
      driver_(state_, host, pacer_, recorder_, person_, dice,
              TurnDriver::Services{[this] { return serveSave(); },
                                   [this] { return pendingLoad_.has_value(); },
                                   [this] { serveLoad(); }, [this] { endProgram(); }}),
      roster_(state_, host, pacer_, driver_) {
    PlaceAllInYards(state_);
    driver_.setChooser(&levels_);
    for (int i = 0; i < 7; ++i) {
        state_.DiceCount[i] = DiceCountDesign[i];
    }
}

std::string Game::saveFilter() {
    using namespace std::string_literals;
    return "Ruvo game Files (*.ruv)"s + '\0' + "*.ruv" + '\0';
}

template <typename Action> void Game::guarded(Action action) {
    if (stopped_) {
        return;
    }
    try {
        action();
    } catch (const GameStopped&) {
        // The program is ending; the running turn has been abandoned.
    }
}

void Game::startUp(const Settings& settings, Rgb commandLineColor) {
    state_ = GameState{};
    state_.CommandlineTag = Str(commandLineColor);
    state_.CurrentPlayer = -1;
    state_.PreviewOption = 1;
    state_.PreviewSquare = -1;
    state_.PreviewTarget = -1;
    state_.TurnCount = 0;
    state_.SoundOn = state_.FlagYes;
    state_.SingleAuto = state_.FlagNo;
    PlaceAllInYards(state_);

    state_.SpeedFactor = settings.SpeedFactor;
    if (state_.SpeedFactor < 1 || state_.SpeedFactor > 30) {
        state_.SpeedFactor = 30;
    }
    state_.SoundOn = settings.SoundOn;
    speedChanged(state_.SpeedFactor);
    state_.PlayerType = settings.PlayerType;
    state_.PlayerEnabled = settings.PlayerEnabled;
    state_.PlayerPaused = settings.PlayerPaused;
    for (int p = 0; p < 4; ++p) {
        state_.PlayerColor[p] = FixedPlayerColor[p];
        state_.BoardColor[p] = FixedPlayerColor[p];
        state_.PlayerInfo[p].visible = state_.PlayerEnabled[p] != state_.FlagNo;
    }
    for (int i = 0; i < ControlTotal; ++i) {
        state_.Piece[i].visible = i <= 91;
        state_.Piece[i].Tag = settings.SquareRecords[i];
    }
    state_.SquareCol = settings.SquareCol;
    state_.SquareRow = settings.SquareRow;
    state_.SquareCol[0] = 1;
    state_.SquareRow[0] = 7;
    ShowFinalSquares(state_);
    for (int p = 0; p < 4; ++p) {
        if (state_.PlayerEnabled[p] == state_.FlagNo) {
            state_.PlayerTypePicture[p].visible = false;
            for (int k = 0; k < 4; ++k) {
                state_.Piece[YardSquare(p, k)].visible = false;
            }
        }
        state_.Piece[92 + p].picture = PiecePicture(p);
    }
    state_.Piece[AmountMarker].backColor = MakeRgb(0, 0, 0);
    state_.Piece[AmountMarker].foreColor = MakeRgb(255, 255, 255);
    state_.Piece[TargetMarker].backColor = MakeRgb(0, 0, 0);
    state_.Piece[TargetMarker].picture = Picture::Target;
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            SquareView& yard = state_.Piece[YardSquare(p, k)];
            yard.picture = PiecePicture(p);
            yard.backColor = state_.PlayerColor[p];
            yard.caption = DieText(k + 1);
        }
        state_.Piece[BoardSquare(p, 1)].backColor = state_.BoardColor[p];
        for (int r = 52; r <= 57; ++r) {
            state_.Piece[BoardSquare(p, r)].backColor = state_.BoardColor[p];
        }
    }
    for (int d = 0; d <= 6; ++d) {
        state_.DiceCount[d] = DiceCountDesign[d];
        if (d >= 1) {
            for (int p = 0; p < 4; ++p) {
                ShowThrowCount(state_, d, p, " .");
            }
        }
    }
    state_.FinishPlace.fill(0);
    state_.FinishedCount = 0;
    state_.PlayerCount = 4;
    for (int p = 0; p < 4; ++p) {
        if (state_.PlayerEnabled[p] == state_.FlagNo) {
            --state_.PlayerCount;
        }
    }
    for (int p = 0; p < 4; ++p) {
        PlayerRoster::ShowPlayerType(state_, p);
        // A player not taking part is "NOT PLAYING" from the start, so that the end of the
        // first game never names it as the last player.
        state_.PlayerInfo[p].caption =
            state_.PlayerEnabled[p] == state_.FlagNo ? "NOT PLAYING" : "PLAYER" + Str(p + 1);
        state_.ThrowCount[p].fill(0);
        state_.DiceHead[p] = LabelView{"move by", false};
    }
    state_.ExtraTurn = 0;
    state_.RemovePending.fill(state_.FlagNo);
}

void Game::speedChanged(int value) {
    state_.SpeedRange = static_cast<int16_t>(value);
    state_.WaitDelay = 30 - value;
    state_.Label1 = SecondsText(state_.WaitDelay) + " secs";
}

void Game::spaceAtWindow() {
    state_.DiceHead[0].caption.clear();
}

void Game::RunTurns() {
    guarded([this] { driver_.RunTurns(); });
}

// ---- Commands

void Game::clickStart() {
    guarded([this] {
        pacer_.playsound(state_.SndClick);
        DoCommand(false);
    });
}

void Game::DoCommand(bool typed) {
    guarded([&] {
        if (!typed) {
            menuTag_ = host_.popupCommandMenu();
            pacer_.checkStop();
        }
        if (menuTag_.empty()) {
            return;
        }
        const std::string word = WithoutSpaces(Trim(menuTag_));
        menuTag_.clear();
        if (word == "START") {
            state_.MovesListVisible = true;
            StartOrRestart();
        } else if (word == "SOUND") {
            state_.SoundOn = state_.SoundOn == state_.FlagYes ? state_.FlagNo : state_.FlagYes;
        } else if (word == "SAVEGAME") {
            if (state_.CurrentPlayer == -1) {
                return;
            }
            pacer_.playsound(state_.SndClick);
            host_.message("Game will be saved at the completion of this turn");
            pacer_.checkStop();
            state_.SavePending = state_.FlagYes;
            menuTag_.clear();
        } else if (word == "LOADGAME") {
            std::string folder = host_.savedGamesFolder();
            const std::string path =
                FileDialog(false, "Select file to Load Ruvo Game", saveFilter(), "", folder);
            pacer_.playsound(state_.SndClick);
            std::optional<SavedGame> game;
            if (!path.empty()) {
                game = readSavedGame(path);
            }
            if (!game) {
                // Nothing was loaded: the person the game waits for is prompted as before.
                if (waitingForPerson()) {
                    driver_.showPrompt(state_.CurrentPlayer);
                }
                return;
            }
            if (busy()) {
                // Loaded as soon as the running step of the turn ends.
                pendingLoad_ = PendingLoad{path, std::move(*game)};
                return;
            }
            applyLoad(path, *game);
            driver_.RunTurns();
        } else if (word == "HELP") {
            std::string folder = host_.programFolder();
            if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) {
                folder += '/';
            }
            host_.showHelp(folder + "ruvo.htm");
            pacer_.checkStop();
        } else if (word == "ABOUT") {
            host_.showAbout();
            pacer_.checkStop();
        } else if (word == "EXIT") {
            quitConfirmation();
        }
    });
}

void Game::StartOrRestart() {
    guarded([this] {
        if (state_.AwaitingStart == state_.FlagYes) {
            state_.AwaitingStart = state_.FlagNo;
            driver_.RunTurns();
        } else if (state_.CurrentPlayer == -1) {
            host_.setCommandLineText("");
            driver_.RunTurns();
        } else {
            const bool restart = host_.askYesNo("Restart ?");
            pacer_.checkStop();
            if (!restart) {
                return;
            }
            state_.RestartPending = state_.FlagYes;
            host_.setCommandLineText("");
            // While a turn runs it restarts as soon as the running step ends.
            if (!busy()) {
                driver_.RunTurns();
            }
        }
    });
}

void Game::quitConfirmation() {
    guarded([this] {
        const bool quit = host_.askYesNo("Quit current game?");
        pacer_.checkStop();
        if (quit) {
            endProgram();
        }
    });
}

void Game::endProgram() {
    pacer_.playsound(state_.SndThanks);
    host_.saveSettings();
    stopped_ = true;
    host_.endProgram();
    throw GameStopped{};
}

std::string Game::FileDialog(bool save, const std::string& title, const std::string& filter,
                             const std::string& defaultName, std::string& initialDirectory) {
    initialDirectory = OpenSave::WithTrailingSeparator(initialDirectory);
    FileDialogRequest request{save, title, filter, std::string(Trim(defaultName)),
                              initialDirectory};
    std::string chosen = host_.chooseFile(request);
    pacer_.checkStop();
    chosen = std::string(Trim(chosen));
    if (const size_t nul = chosen.find('\0'); nul != std::string::npos) {
        chosen.resize(nul);
    }
    if (chosen.empty() || !save) {
        return chosen;
    }
    return OpenSave::ForcedExtension(chosen, filter);
}

// ---- Saved games

SavedGame Game::savedGame() const {
    SavedGame game;
    game.CurrentPlayer = state_.CurrentPlayer;
    game.SpeedFactor = state_.SpeedRange;
    game.SoundOn = state_.SoundOn;
    game.PlayerType = state_.PlayerType;
    game.PlayerEnabled = state_.PlayerEnabled;
    game.PlayerPaused = state_.PlayerPaused;
    for (int p = 0; p < 4; ++p) {
        game.PieceSquares[p] = PieceSquaresText(state_, p);
    }
    for (int s = 0; s < SquareTotal; ++s) {
        if (state_.SquareOwner[s] != -1) {
            game.Squares.push_back(SavedSquare{static_cast<int16_t>(s), state_.SquareOwner[s],
                                               state_.SquareCount[s], state_.Piece[s].Tag});
        }
    }
    return game;
}

bool Game::serveSave() {
    std::string folder = host_.savedGamesFolder();
    const std::string path =
        FileDialog(true, "Select file to Save Ruvo Game", saveFilter(), "", folder);
    if (path.empty()) {
        return false;
    }
    try {
        SavedGameFile::Write(path, savedGame());
    } catch (const FileError& error) {
        host_.message(std::string("The game could not be saved.\n") + error.what());
        pacer_.checkStop();
        return false;
    }
    pacer_.LogLine(-1, "GAME SAVED TO " + path);
    return true;
}

void Game::serveLoad() {
    if (!pendingLoad_) {
        return;
    }
    const PendingLoad load = std::move(*pendingLoad_);
    pendingLoad_.reset();
    applyLoad(load.path, load.game);
}

std::optional<SavedGame> Game::readSavedGame(const std::string& path) {
    try {
        return SavedGameFile::Read(path);
    } catch (const FileError& error) {
        host_.message(std::string("The saved game could not be loaded.\n") + error.what());
        pacer_.checkStop();
        return std::nullopt;
    }
}

bool Game::loadGame(const std::string& path) {
    const std::optional<SavedGame> game = readSavedGame(path);
    if (game) {
        applyLoad(path, *game);
    }
    return game.has_value();
}

void Game::applyLoad(const std::string& path, const SavedGame& game) {
    pendingLoad_.reset();
    state_.SavePending = state_.FlagNo; // a save asked of the game that is gone
    driver_.ResetBoard();
    applySavedGame(game);
    pacer_.LogLine(-1, "GAME LOADED FROM " + path);
    host_.message("Start loaded game ?");
    pacer_.checkStop();
    state_.AwaitingStart = state_.FlagYes;
}

void Game::applySavedGame(const SavedGame& game) {
    state_.CurrentPlayer = game.CurrentPlayer;
    state_.SpeedFactor = game.SpeedFactor;
    state_.SoundOn = game.SoundOn;
    speedChanged(state_.SpeedFactor);
    state_.PlayerType = game.PlayerType;
    state_.PlayerEnabled = game.PlayerEnabled;
    state_.PlayerPaused = game.PlayerPaused;
    RulesState rules = RulesOf(state_);
    for (int i = 0; i < 4; ++i) {
        const std::string positions = game.PieceSquares[i];
        for (int k = 0; k < 4; ++k) {
            recorder_.putPiece(rules, i, k, static_cast<int>(Val(positions.substr(3 * k, 2))));
        }
    }
    for (const SavedSquare& square : game.Squares) {
        state_.SquareOwner[square.Square] = square.Owner;
        state_.SquareCount[square.Square] = square.Count;
        state_.Piece[square.Square].Tag = square.Record;
    }
    for (std::string& die : state_.DiceNum) {
        die.clear();
    }
    for (LabelView& head : state_.DiceHead) {
        head.visible = false;
    }
    state_.PlayerCount = 0;
    for (int i = 0; i < 4; ++i) {
        const bool playing = state_.PlayerEnabled[i] != 0;
        if (!playing) {
            // A player removed before the save takes no pieces into the loaded game.
            driver_.ResetPlayer(i);
        }
        state_.PlayerTypePicture[i].visible = playing;
        for (int k = 0; k < 4; ++k) {
            state_.Piece[YardSquare(i, k)].visible = playing;
        }
        state_.PlayerInfo[i].caption = playing ? "PLAYING" : "NOT PLAYING";
        state_.PlayerCount = static_cast<int16_t>(state_.PlayerCount + (playing ? 1 : 0));
        PlayerRoster::ShowPlayerType(state_, i);
    }
}

// ---- The command line

void Game::commandLineEnter(const std::string& text) {
    guarded([&] {
        const std::string line = WithoutSpaces(UpperCase(Trim(text)));
        if (line.empty()) {
            return;
        }
        host_.setCommandLineText("");
        if (line == "SINGLEAUTO") {
            const bool nowOn = state_.SingleAuto != state_.FlagYes;
            state_.SingleAuto = nowOn ? state_.FlagYes : state_.FlagNo;
            host_.message(nowOn ? "Single moves will be automatic"
                                : "Single moves will not be automatic");
            pacer_.checkStop();
        } else if (IsCommandWord(line)) {
            menuTag_ = line;
            DoCommand(true);
        } else if (line == "A") {
            if (state_.CurrentPlayer != -1 && waitingForPerson()) {
                automaticMove();
            }
        } else if (state_.CurrentPlayer != -1) {
            typedMove(line);
        }
    });
}

void Game::typedMove(const std::string& line) {
    const char separator = line.find(',') != std::string::npos ? ',' : '=';
    const size_t first = line.find(separator);
    const std::string piecePart = line.substr(0, first);
    const bool anyAmount = first == std::string::npos;
    long amount = 0;
    if (!anyAmount) {
        const size_t second = line.find(separator, first + 1);
        amount = Val(line.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                        : second - first - 1));
    }
    const long piece = Val(piecePart) - 1;
    if (piece < 0 || piece > 3) {
        pacer_.playsound(state_.SndError);
        return;
    }
    if (!waitingForPerson()) {
        return; // a person's move is taken only while the game waits for that person
    }
    state_.MovingPiece = static_cast<int16_t>(piece);
    for (int k = 1; k <= state_.PieceOptionCount[piece]; ++k) {
        state_.PreviewOption = static_cast<int16_t>(k);
        const PieceOption option = state_.PieceOptions[piece][k];
        if (option.amount == 0) {
            break;
        }
        if (anyAmount || option.amount == amount) {
            driver_.setWaitingForPerson(false);
            personMoving_ = true;
            const bool turnOver = person_.MakeOptionMove(static_cast<int>(piece), true);
            personMoving_ = false;
            state_.PreviewOption = 1;
            afterPersonMove(turnOver);
            return;
        }
    }
}

void Game::automaticMove() {
    driver_.setWaitingForPerson(false);
    person_.hidePreview();
    personMoving_ = true;
    driver_.MakeChosenMove(state_.CurrentPlayer);
    personMoving_ = false;
    person_.applyExtraTurn();
    driver_.RunTurns();
}

void Game::afterPersonMove(bool turnOver) {
    if (turnOver || driver_.interrupted()) {
        driver_.RunTurns();
    } else {
        driver_.setWaitingForPerson(true);
    }
}

// ---- Mouse

void Game::squareMouseUp(int control, int button) {
    guarded([&] {
        if (!waitingForPerson()) {
            return;
        }
        driver_.setWaitingForPerson(false);
        personMoving_ = true;
        const bool turnOver = person_.squareMouseUp(control, button);
        personMoving_ = false;
        afterPersonMove(turnOver);
    });
}

void Game::squareMouseMove(int control) {
    guarded([&] { person_.mouseMoveOver(control); });
}

void Game::surfaceMouseMove() {
    guarded([&] { person_.mouseMoveOver(-1); });
}

void Game::diceHeadMouseUp(int player, int button) {
    guarded([&] {
        if (player < 0 || player > 3) {
            return;
        }
        if (state_.PlayerType[player] != "H") {
            state_.DiceHead[player].caption.clear();
            return;
        }
        if (button == 2 && state_.CurrentPlayer != -1 && waitingForPerson()) {
            automaticMove();
        }
    });
}

// ---- Player options

void Game::playerOptionsMouseUp(int player) {
    guarded([&] {
        if (player < 0 || player > 3) {
            return;
        }
        const std::string command = host_.popupPlayerMenu(roster_.menuFor(player));
        pacer_.checkStop();
        if (command.empty() || !roster_.runPlayerOption(player, command, waitingForPerson())) {
            return;
        }
        // The person to move is now a computer: its move is played at once.
        host_.setCommandLineText("");
        host_.setCommandLineColor(static_cast<Rgb>(Val(state_.CommandlineTag)));
        automaticMove();
    });
}

void Game::TogglePlayerEnabled(int player) {
    guarded([&] { roster_.TogglePlayerEnabled(player); });
}

} // namespace ruvo
