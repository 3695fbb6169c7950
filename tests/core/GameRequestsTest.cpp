// SPDX-License-Identifier: GPL-3.0-or-later
// Restarts, loads and removals asked for while a game runs: a restart or a load chosen during a
// wait happens as soon as the running step ends, every removed player's pieces leave the board,
// and a loaded game never keeps the pieces of a player who is not taking part.
#include "FileTestSupport.h"
#include "GameFixture.h"

#include "cli/CliApp.h"
#include "engine/Text.h"
#include "files/SavedGameFile.h"

#include <random>
#include <sstream>

namespace ruvo::test {
namespace {

class GameRequestsTest : public GameFixture {
protected:
    TempFolder folder;

    std::string file(const std::string& name) const { return folder.File(name); }

    // Stops the game at the top of the first round where done() holds.
    void stopWhen(std::function<bool()> done) {
        host.onProcessEvents = [this, done = std::move(done)] {
            if (done()) {
                game.requestStop();
            }
        };
    }
    // Runs action once, during the first wait of the game.
    void duringFirstWait(std::function<void()> action) {
        host.onWait = [this, action = std::move(action), done = false](long) mutable {
            if (!done) {
                done = true;
                action();
            }
        };
    }
    // Enough seeded draws for a game to its end.
    void addRandomDraws(unsigned seed) {
        std::mt19937 generator(seed);
        std::uniform_int_distribution<int> face(1, 6);
        for (int i = 0; i < 200000; ++i) {
            dice.draws.push_back(face(generator));
        }
    }
    // Plays on until the game ends and No is given to a new one, or a limit of turns passes.
    // True when the game ended.
    bool playsToItsEnd(std::function<void()> start) {
        host.answers.push_back(false); // "Game finished, restart?"
        stopWhen([this] { return state.TurnCount > 4000; });
        start();
        return !host.questions.empty() && host.questions.back() == "Game finished, restart?";
    }
    // Players 2 and 3 have two pieces each on one track square: blocks nobody else may pass.
    void placeBlocks() {
        place(1, 0, 10);
        place(1, 1, 10);
        place(2, 0, 20);
        place(2, 1, 20);
    }
    void expectOffTheBoard(int player) {
        const int yard = YardSquare(player, 0);
        EXPECT_EQ(PieceSquaresText(state, player),
                  std::to_string(yard) + "," + std::to_string(yard + 1) + "," +
                      std::to_string(yard + 2) + "," + std::to_string(yard + 3))
            << "player " << player + 1;
        for (int s = 0; s < 76; ++s) {
            EXPECT_NE(state.SquareOwner[s], player) << "square " << s;
        }
        EXPECT_FALSE(state.Piece[YardSquare(player, 0)].visible);
    }
};

TEST_F(GameRequestsTest, RestartDuringTheWaitBeforeAPromptComesAtOnce) {
    startUp("HCCC");
    place(0, 0, 10);
    place(0, 1, 20);
    dice.add({4, 3});
    duringFirstWait([this] { game.StartOrRestart(); });
    stopWhen([this] { return host.logged("GAME RESTARTED") == 1 && state.TurnCount >= 1; });
    game.StartOrRestart();
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Restart ?"}));
    EXPECT_TRUE(host.prompts.empty()) << "the person was prompted with the old game's throw";
    EXPECT_EQ(host.logged("GAME RESTARTED"), 1);
    EXPECT_EQ(PiecePosition(state, 0, 0), 76);
    EXPECT_EQ(host.log.back().text, "No move") << "the new game's first throw, 3, was played";
}

TEST_F(GameRequestsTest, RestartDuringAComputersWaitPlaysNoMoreOfTheOldGame) {
    startUp();
    place(0, 0, 10);
    dice.add({4, 3});
    duringFirstWait([this] { game.StartOrRestart(); });
    stopWhen([this] { return host.logged("GAME RESTARTED") == 1 && state.TurnCount >= 1; });
    game.StartOrRestart();
    EXPECT_EQ(host.logged("Move piece 1 by 4"), 0);
    EXPECT_EQ(host.logged("GAME RESTARTED"), 1);
    EXPECT_EQ(PiecePosition(state, 0, 0), 76);
}

TEST_F(GameRequestsTest, ALoadChosenDuringTheWaitBeforeAPromptComesAtOnce) {
    startUp();
    place(2, 0, 30);
    state.CurrentPlayer = 0;
    SavedGameFile::Write(file("saved.ruv"), game.savedGame());

    startUp("HCCC");
    place(0, 0, 10);
    place(0, 1, 20);
    dice.add({4, 3});
    duringFirstWait([this] {
        host.commandWords = {"LOADGAME"};
        host.chosenFiles = {file("saved.ruv")};
        game.clickStart();
    });
    stopWhen([this] { return host.logged("GAME LOADED FROM " + file("saved.ruv")) == 1; });
    game.StartOrRestart();
    EXPECT_TRUE(host.prompts.empty()) << "the person was prompted in the game being replaced";
    EXPECT_EQ(host.logged("GAME LOADED FROM " + file("saved.ruv")), 1);
    EXPECT_EQ(PiecePosition(state, 0, 0), 76);
    EXPECT_EQ(PiecePosition(state, 2, 0), 30);
    EXPECT_EQ(state.PlayerType[0], "C");
}

TEST_F(GameRequestsTest, EveryRemovedPlayersPiecesLeaveAndTheGameEnds) {
    startUp();
    placeBlocks();
    addRandomDraws(5);
    host.answers = {true, true};
    duringFirstWait([this] {
        host.playerWords = {"ENABLEDISABLE", "ENABLEDISABLE"};
        game.playerOptionsMouseUp(1);
        game.playerOptionsMouseUp(2);
    });
    ASSERT_TRUE(playsToItsEnd([this] { game.StartOrRestart(); }))
        << "still running after " << state.TurnCount << " turns";
    expectOffTheBoard(1);
    expectOffTheBoard(2);
}

TEST_F(GameRequestsTest, ALoadedGameTakesAbsentPlayersPiecesOffAndEnds) {
    startUp();
    placeBlocks();
    state.PlayerEnabled[1] = 0; // removed, and saved before the driver reached them
    state.PlayerEnabled[2] = 0;
    state.CurrentPlayer = 3;
    SavedGameFile::Write(file("absent.ruv"), game.savedGame());

    startUp();
    ASSERT_TRUE(game.loadGame(file("absent.ruv")));
    expectOffTheBoard(1);
    expectOffTheBoard(2);
    EXPECT_EQ(state.PlayerCount, 2);
    addRandomDraws(9);
    ASSERT_TRUE(playsToItsEnd([this] { game.RunTurns(); }))
        << "still running after " << state.TurnCount << " turns";

    // The command-line tool plays such a file to its end too.
    std::ostringstream out;
    std::ostringstream err;
    const int status = CliApp::Run({"play", "--config", RUVO_SOURCE_DIR "/data/ruvo.cfg", "--seed",
                                    "3", "--turns", "4000", "--load", file("absent.ruv")},
                                   out, err, "");
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_NE(out.str().find("# games 1\n"), std::string::npos) << out.str();
}

TEST_F(GameRequestsTest, ARemovalStillPendingLeavesALoadedGameAlone) {
    startUp();
    place(1, 0, 10);
    state.CurrentPlayer = 1;
    SavedGameFile::Write(file("four.ruv"), game.savedGame());

    startUp();
    state.CurrentPlayer = 0;
    host.playerWords = {"ENABLEDISABLE"};
    game.playerOptionsMouseUp(1);
    ASSERT_EQ(state.PlayerEnabled[1], 0);
    ASSERT_TRUE(game.loadGame(file("four.ruv")));
    EXPECT_EQ(state.RemovePending, (std::array<int16_t, 4>{}));
    dice.add({3});
    stopWhen([this] { return state.TurnCount >= 1; });
    game.RunTurns();
    EXPECT_EQ(PiecePosition(state, 1, 0), 10);
    EXPECT_TRUE(state.Piece[YardSquare(1, 1)].visible);
    EXPECT_EQ(state.PlayerInfo[1].caption, "PLAYING");
}

} // namespace
} // namespace ruvo::test
