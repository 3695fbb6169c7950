// SPDX-License-Identifier: GPL-3.0-or-later
// Commands from the menu and the command line, saving and loading games, player options and
// removing players, also while a game runs.
#include "FileTestSupport.h"
#include "GameFixture.h"

#include "files/SavedGameFile.h"
#include "files/Text.h"
#include "game/BoardAudit.h"

#include <random>

namespace ruvo::test {
namespace {

class CommandsTest : public GameFixture {
protected:
    TempFolder folder;

    std::string file(const std::string& name) const { return folder.File(name); }
    // Saves the game as it stands, the given player to move, in the named file.
    void saveAs(const std::string& name, int current) {
        state.CurrentPlayer = static_cast<int16_t>(current);
        SavedGameFile::Write(file(name), game.savedGame());
    }
    // Picks "remove" or "add" in the player's options menu.
    void removeOrAdd(int player) {
        host.playerWords = {"ENABLEDISABLE"};
        game.playerOptionsMouseUp(player);
    }
    // Runs action once, during the first wait of the game.
    void duringFirstWait(std::function<void()> action) {
        host.onWait = [action = std::move(action), done = false](long) mutable {
            if (!done) {
                done = true;
                action();
            }
        };
    }
    // Plays on with seeded draws until the game ends and No is given to a new one, or 4000
    // turns pass.
    void playToItsEnd(unsigned seed, const std::function<void()>& start) {
        std::mt19937 generator(seed);
        std::uniform_int_distribution<int> face(1, 6);
        for (int i = 0; i < 200000; ++i) {
            dice.draws.push_back(face(generator));
        }
        host.answers.push_back(false); // "Game finished, restart?"
        stopWhen([this] { return state.TurnCount > 4000; });
        start();
        EXPECT_TRUE(!host.questions.empty() && host.questions.back() == "Game finished, restart?")
            << "still running after " << state.TurnCount << " turns";
    }
    void expectOffTheBoard(int player) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(PieceSquare(state, player, k), YardSquare(player, k)) << player + 1;
        }
        EXPECT_FALSE(state.Piece[YardSquare(player, 0)].visible);
        EXPECT_EQ(BoardAudit::Fault(state), "") << "the squares agree with the pieces";
    }
};

TEST_F(CommandsTest, MenuAndTypedWordsAreDispatched) {
    startUp("HCCC");
    place(0, 0, 10);
    forgetHostRecords();
    // Without a game, moves (even of a piece that does not exist) and a save are ignored.
    for (const char* typed : {"A", "1=6", "5=6", "savegame"}) {
        game.commandLineEnter(typed);
    }
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(state.SavePending, 0);
    host.commandWords = {"LOADGAME", "SOUND", "SOUND", "HELP", "ABOUT", "", "NONSENSE"};
    game.clickStart(); // the file chooser cancelled: only the clicks are heard
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"Shsh-dot.wav", "Shsh-dot.wav"}));
    EXPECT_TRUE(host.log.empty());
    game.clickStart();
    EXPECT_EQ(state.SoundOn, 0);
    EXPECT_EQ(host.played("Shsh-dot.wav"), 3);
    game.clickStart();
    EXPECT_EQ(state.SoundOn, 1);
    EXPECT_EQ(host.sounds.size(), 3u) << "switching sound on plays nothing itself";
    for (int click = 0; click < 4; ++click) {
        game.clickStart();
    }
    EXPECT_EQ(host.helpShown, "/games/ruvo/ruvo.htm");
    EXPECT_EQ(host.aboutShown, 1);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(game.menuTag().empty());

    // Typed words are taken in any case and with spaces.
    game.commandLineEnter("singleauto");
    EXPECT_EQ(state.SingleAuto, 1);
    game.commandLineEnter("SINGLE AUTO");
    EXPECT_EQ(state.SingleAuto, 0);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Single moves will be automatic",
                                                       "Single moves will not be automatic"}));
    game.commandLineEnter("SingleAuto"); // on again: a person's only move is made for it
    state.SavePending = 1;               // its file chooser cancelled: nothing is written or logged
    dice.add({4});
    stopAtTurn(1);
    game.commandLineEnter("  sTaRt ");
    ASSERT_EQ(host.fileRequests.size(), 2u);
    EXPECT_TRUE(host.fileRequests[1].save);
    EXPECT_EQ(state.SavePending, 0);
    EXPECT_EQ(state.TurnCount, 1);
    EXPECT_TRUE(host.prompts.empty());
    EXPECT_EQ(host.log[0].text, "Dice throw :  4     ");
    EXPECT_EQ(host.logged("Auto move piece 1 by 4"), 1);
    EXPECT_EQ(PiecePosition(state, 0, 0), 14);
}

TEST_F(CommandsTest, QuitAsksAndWritesTheSettingsOnlyOnYes) {
    startUp();
    host.answers = {false};
    game.commandLineEnter("exit");
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Quit current game?"}));
    EXPECT_EQ(host.settingsSaved, 0);
    EXPECT_FALSE(game.stopped());
    host.answers = {true};
    game.quitConfirmation();
    EXPECT_EQ(host.sounds.back(), "Thanks.Wav");
    EXPECT_EQ(host.settingsSaved, 1);
    EXPECT_EQ(host.programEnded, 1);
    EXPECT_TRUE(game.stopped());
    game.clickStart();
    EXPECT_EQ(host.sounds.size(), 1u) << "nothing happens once the program is ending";
}

TEST_F(CommandsTest, RestartDuringAPersonsTurnRestartsAtOnce) {
    startUp("HCCC");
    place(0, 0, 10);
    personToMove(0, 4);
    state.TurnCount = 9;
    host.answers = {false};
    game.StartOrRestart();
    EXPECT_EQ(state.RestartPending, 0);
    EXPECT_EQ(PiecePosition(state, 0, 0), 10);
    host.answers = {true};
    dice.add({3});
    stopWhen([this] { return state.TurnCount == 1; }); // counted from 0 again
    game.StartOrRestart();
    EXPECT_EQ(host.questions.back(), "Restart ?");
    EXPECT_EQ(host.logged("GAME RESTARTED"), 1);
    EXPECT_EQ(PiecePosition(state, 0, 0), 76);
    EXPECT_EQ(state.CurrentPlayer, 0) << "the new game began with the first player";
    EXPECT_EQ(state.TurnCount, 1);
}

TEST_F(CommandsTest, SaveHappensAtTheEndOfThePersonsTurn) {
    startUp("HCCC");
    place(0, 0, 10);
    personToMove(0, 4);
    game.commandLineEnter("SAVEGAME");
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{"Game will be saved at the completion of this turn"}));
    EXPECT_EQ(state.SavePending, 1);
    EXPECT_TRUE(host.fileRequests.empty()) << "nothing is written during the turn";
    host.chosenFiles = {file("game")};
    stopWhen([this] { return host.fileRequests.size() == 1 && host.log.size() >= 2; });
    game.commandLineEnter("1");
    ASSERT_EQ(host.fileRequests.size(), 1u);
    const FileDialogRequest& request = host.fileRequests[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "Select file to Save Ruvo Game");
    EXPECT_EQ(request.filter, std::string("Ruvo game Files (*.ruv)\0*.ruv\0", 30));
    EXPECT_EQ(request.initialDirectory, "/games/ruvo/");
    EXPECT_EQ(host.log[1].text, "GAME SAVED TO " + file("game.ruv"));
    const SavedGame saved = SavedGameFile::Read(file("game.ruv"));
    EXPECT_EQ(saved.PieceSquares[0], "14,77,78,79");
    EXPECT_EQ(saved.CurrentPlayer, 0);
    EXPECT_EQ(state.SavePending, 0);
}

TEST_F(CommandsTest, ALoadedGameGoesOnFromItsPositions) {
    startUp("CCCC", "1101");
    place(0, {30, 30});
    place(1, 2, 45);
    place(3, 3, 57);
    state.PlayerType[1] = "H";
    state.PlayerPaused = {0, 1, 0, 1}; // a person loses its pause, a computer keeps it
    saveAs("saved.ruv", 1);

    // The same program started again loads it.
    const GameState saved = state;
    startUp("HHHH");
    forgetHostRecords();
    host.chosenFiles = {file("saved.ruv")};
    host.commandWords = {"LOADGAME"};
    dice.add({3});
    stopAtTurn(1);
    game.clickStart();
    EXPECT_EQ(host.fileRequests[0].title, "Select file to Load Ruvo Game");
    EXPECT_FALSE(host.fileRequests[0].save);
    EXPECT_EQ(host.log[0].text, "GAME LOADED FROM " + file("saved.ruv"));
    EXPECT_EQ(host.messages[0], "Start loaded game ?");
    EXPECT_EQ(state.AwaitingStart, 1);
    EXPECT_EQ(state.PieceSquares, saved.PieceSquares);
    EXPECT_EQ(BoardAudit::Fault(state), "") << "the squares agree with the pieces";
    EXPECT_EQ(state.PlayerType[0], "C");
    EXPECT_EQ(state.PlayerCount, 3);
    EXPECT_EQ(state.PlayerInfo[2].caption, "NOT PLAYING");
    EXPECT_EQ(state.PlayerInfo[0].caption, "PLAYING");
    EXPECT_FALSE(state.Piece[84].visible);
    EXPECT_EQ(state.PlayerPaused, (std::array<int16_t, 4>{0, 0, 0, 1}));
    // The driver went on with the player after the saved one; player 3 is not playing.
    EXPECT_EQ(state.CurrentPlayer, 2);
}

TEST_F(CommandsTest, AFailedLoadLeavesTheGameExactlyAsItWas) {
    startUp("HCCC");
    place(0, {10, 20});
    personToMove(0, 6, 4);
    state.DiceHead[0] = LabelView{"move by", true};
    game.commandLineEnter("1=6"); // half the move made
    ASSERT_EQ(PiecePosition(state, 0, 0), 16);
    ASSERT_TRUE(game.waitingForPerson());
    game.driver().showPrompt(0);
    WriteBytes(file("bad.ruv"),
               "0\r\n30,1\r\n\"H\",\"C\",\"C\",\"C\"\r\n1,1,1,1\r\n0,0,0,0\r\n\"10,77,78,99\"\r\n");
    const GameState before = state;
    const size_t logLines = host.log.size();
    const std::string prompt = host.commandLineText;
    const Rgb promptColor = host.commandLineColor;
    // Typed, as the command line the prompt is on is cleared first.
    for (const std::string& path : {file("bad.ruv"), file("missing.ruv")}) {
        host.messages.clear();
        host.chosenFiles = {path};
        game.commandLineEnter("loadgame");
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].find(path), std::string::npos) << host.messages[0];
        if (path == file("bad.ruv")) {
            EXPECT_NE(host.messages[0].find("line 6"), std::string::npos);
        }
        EXPECT_TRUE(state == before) << path;
        EXPECT_EQ(host.log.size(), logLines);
        EXPECT_EQ(host.commandLineText, prompt);
        EXPECT_EQ(host.commandLineColor, promptColor);
        EXPECT_TRUE(game.waitingForPerson());
    }

    // The person's move goes on with the other throw.
    stopWhen([] { return true; });
    game.commandLineEnter("2=4");
    EXPECT_EQ(PiecePosition(state, 0, 1), 24);
    EXPECT_EQ(host.log.back().text, "Move piece 2 by 4");
}

TEST_F(CommandsTest, PlayerOptionsMenuShowsAndChangesThePlayer) {
    startUp("HCCC");
    host.playerWords = {"", "TYPE", "PAUSED", "PAUSED"};
    game.playerOptionsMouseUp(0);
    ASSERT_EQ(host.playerMenus.size(), 1u);
    EXPECT_EQ(host.playerMenus[0].typeCaption, "Human");
    EXPECT_EQ(host.playerMenus[0].enabledCaption, "Playing");
    EXPECT_EQ(host.playerMenus[0].pausedCaption, "Not paused");
    EXPECT_FALSE(host.playerMenus[0].pausedEnabled);
    EXPECT_TRUE(host.log.empty()) << "a dismissed menu changes nothing";
    game.playerOptionsMouseUp(0);
    EXPECT_EQ(state.PlayerType[0], "C");
    EXPECT_EQ(host.log.back().text, "set to COMPUTER");
    EXPECT_EQ(state.PlayerTypePicture[0].picture, Picture::Computer);
    game.playerOptionsMouseUp(0);
    EXPECT_EQ(state.PlayerPaused[0], 1);
    EXPECT_EQ(host.log.back().text, "PAUSE ON");
    state.DiceHead[0].caption = "move by";
    game.playerOptionsMouseUp(0);
    EXPECT_EQ(host.playerMenus.back().pausedCaption, "Paused");
    EXPECT_TRUE(host.playerMenus.back().pausedEnabled);
    EXPECT_EQ(state.PlayerPaused[0], 0);
    EXPECT_EQ(host.log.back().text, "NO PAUSE");
    EXPECT_EQ(state.DiceHead[0].caption, "");
    state.PlayerPaused[2] = 1;
    host.playerWords = {"TYPE"};
    game.playerOptionsMouseUp(2);
    EXPECT_EQ(state.PlayerType[2], "H");
    EXPECT_EQ(state.PlayerPaused[2], 0);
    EXPECT_EQ(host.log.back().text, "set to HUMAN");
    EXPECT_EQ(state.PlayerTypePicture[2].toolTip, "Human to play for this Player");
    // A person turned computer during its turn moves at once: "Move", not "Auto move".
    place(2, {10, 20});
    personToMove(2, 4);
    host.playerWords = {"TYPE"};
    stopWhen([] { return true; });
    game.playerOptionsMouseUp(2);
    EXPECT_EQ(host.log[0].text, "set to COMPUTER");
    EXPECT_EQ(host.log[1].text, "Move piece 1 by 4");
    EXPECT_FALSE(game.waitingForPerson());
}

TEST_F(CommandsTest, PlayersShownAtStartUpAreRemovedAndReadded) {
    startUp("HCCC", "1110");
    EXPECT_EQ(state.PlayerInfo[3].caption, "NOT PLAYING");
    EXPECT_FALSE(state.PlayerInfo[3].visible);
    EXPECT_FALSE(state.PlayerTypePicture[3].visible);
    EXPECT_FALSE(state.Piece[88].visible);
    EXPECT_TRUE(state.Piece[84].visible);
    EXPECT_EQ(BoardAudit::Fault(state), "") << "the squares agree with the pieces";
    EXPECT_EQ(state.Piece[14].backColor, state.PlayerColor[1]);
    EXPECT_EQ(state.Piece[60].backColor, state.PlayerColor[1]);
    EXPECT_EQ(state.Piece[5].backColor, SquareBackColor);
    EXPECT_EQ(state.PlayerTypePicture[0].picture, Picture::Human);
    EXPECT_EQ(state.PlayerTypePicture[1].toolTip, "Computer to play for this Player");
    EXPECT_EQ(state.DiceCount[0], "      P1  P2  P3  P4");

    removeOrAdd(1);
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Remove Player 2 ?"}));
    EXPECT_EQ(host.log.back().text, "DISABLED");
    EXPECT_EQ(host.sounds.back(), "ruvcap.wav");
    EXPECT_EQ(state.PlayerCount, 2);
    EXPECT_EQ(state.PlayerInfo[1].caption, "NOT PLAYING");
    EXPECT_FALSE(state.PlayerInfo[1].visible);
    EXPECT_EQ(state.RemovePending[1], 1);

    // Two players left: removing another only plays the error sound.
    removeOrAdd(0);
    EXPECT_EQ(host.sounds.back(), "kvterr2.wav");
    EXPECT_EQ(state.PlayerEnabled[0], 1);

    // Player 4 joins with its pieces in the yard.
    removeOrAdd(3);
    EXPECT_EQ(host.log.back().text, "ENABLED");
    EXPECT_EQ(state.PlayerCount, 3);
    EXPECT_EQ(state.PlayerInfo[3].caption, "PLAYER 4");
    EXPECT_TRUE(state.PlayerInfo[3].visible);
    EXPECT_TRUE(state.Piece[88].visible);
    EXPECT_EQ(SquareOccupant(state, 91).player, 3);

    // A player who has finished stays in the game.
    state.CurrentPlayer = 2;
    state.FinishPlace[3] = 1;
    removeOrAdd(3);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Player has finished already"}));
    EXPECT_EQ(state.PlayerEnabled[3], 1);
    EXPECT_EQ(host.questions.size(), 1u);
}

class RestartDuringAWait : public CommandsTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(RestartDuringAWait, PlaysNoMoreOfTheOldGame) {
    startUp(GetParam());
    place(0, {10, 20});
    dice.add({4, 3});
    duringFirstWait([this] { game.StartOrRestart(); });
    stopWhen([this] { return host.logged("GAME RESTARTED") == 1 && state.TurnCount >= 1; });
    game.StartOrRestart();
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Restart ?"}));
    EXPECT_TRUE(host.prompts.empty()) << "the person was prompted with the old game's throw";
    EXPECT_EQ(host.logged("Move piece 1 by 4") + host.logged("Move piece 2 by 4"), 0);
    EXPECT_EQ(PiecePosition(state, 0, 0), 76);
    EXPECT_EQ(host.log.back().text, "No move") << "the new game's first throw, 3, was played";
}

INSTANTIATE_TEST_SUITE_P(PersonOrComputer, RestartDuringAWait, ::testing::Values("HCCC", "CCCC"));

TEST_F(CommandsTest, ALoadChosenDuringTheWaitBeforeAPromptComesAtOnce) {
    startUp();
    place(2, 0, 30);
    saveAs("saved.ruv", 0);
    startUp("HCCC");
    place(0, {10, 20});
    dice.add({4, 3});
    duringFirstWait([this] {
        host.commandWords = {"LOADGAME"};
        host.chosenFiles = {file("saved.ruv")};
        game.clickStart();
    });
    stopWhen([this] { return host.logged("GAME LOADED FROM " + file("saved.ruv")) == 1; });
    game.StartOrRestart();
    EXPECT_TRUE(host.prompts.empty()) << "the person was prompted in the game being replaced";
    EXPECT_EQ(PiecePosition(state, 0, 0), 76);
    EXPECT_EQ(PiecePosition(state, 2, 0), 30);
}

TEST_F(CommandsTest, EveryRemovedPlayersPiecesLeaveAndTheGameEnds) {
    startUp();
    place(1, {10, 10}); // blocks that nobody else may pass
    place(2, {20, 20});
    host.answers = {true, true}; // both removals, before No to a new game
    duringFirstWait([this] {
        removeOrAdd(1);
        removeOrAdd(2);
        EXPECT_EQ(state.SquareOwner[BoardSquare(1, 10)], 1) << "on the board until its turn";
    });
    playToItsEnd(5, [this] { game.StartOrRestart(); });
    expectOffTheBoard(1);
    expectOffTheBoard(2);
    EXPECT_EQ(state.RemovePending, (std::array<int16_t, 4>{}));
}

TEST_F(CommandsTest, ALoadedGameTakesAbsentPlayersPiecesOffAndEnds) {
    startUp();
    place(1, {10, 10}); // blocks that nobody else may pass
    place(2, {20, 20});
    state.PlayerEnabled[1] = 0; // removed, and saved before the driver reached them
    state.PlayerEnabled[2] = 0;
    saveAs("absent.ruv", 3);
    startUp();
    removeOrAdd(0); // still pending when the file is loaded: player 1 plays in the loaded game
    ASSERT_EQ(state.RemovePending[0], 1);
    ASSERT_TRUE(game.loadGame(file("absent.ruv")));
    EXPECT_EQ(state.RemovePending, (std::array<int16_t, 4>{}));
    expectOffTheBoard(1);
    expectOffTheBoard(2);
    EXPECT_EQ(state.PlayerCount, 2);
    playToItsEnd(9, [this] { game.RunTurns(); });
}

} // namespace
} // namespace ruvo::test
