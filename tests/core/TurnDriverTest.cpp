// SPDX-License-Identifier: GPL-3.0-or-later
// The turn driver: the dice and their redraw rule, extra turns, finishing, the end of the game,
// persons' prompts and paused players.
#include "GameFixture.h"

#include "files/Text.h"

namespace ruvo::test {
namespace {

using TurnDriverTest = GameFixture;

TEST_F(TurnDriverTest, ThrowsAreShownCountedAndRedrawnAndThreeSixesPassTheTurn) {
    startUp();
    state.CurrentPlayer = 2;
    state.FrequentFace[2] = 4;
    dice.add({4, 6, 4, 3});
    game.driver().ThrowDice();
    EXPECT_EQ(host.log.back().text, "Dice throw :  6  3   ") << "the 4 drawn again";
    EXPECT_EQ(state.DiceNum[6], "6");
    EXPECT_EQ(state.DiceNum[7], "3");
    EXPECT_EQ(state.DiceCount[6], "6's    .   .   1   .");
    EXPECT_EQ(state.FrequentFace[2], 3); // tie of 6 and 3: the lower face

    // Three sixes in a game: no move, and not counted.
    dice.add({6, 6, 6});
    stopAtTurn(1);
    game.StartOrRestart();
    EXPECT_EQ(host.log.back().text, "Dice throw all 6's - no move");
    EXPECT_EQ(state.DiceHead[0].caption, "no move");
    EXPECT_EQ(state.DiceNum[2], "6");
    EXPECT_EQ(state.ThrowCount[0][6], 0) << "three sixes are not counted";
}

TEST_F(TurnDriverTest, ReachingHomeGivesTheSamePlayerAnotherTurn) {
    startUp();
    place(0, 0, 52);
    forgetHostRecords();
    dice.add({5, 3});
    stopAtTurn(2);
    game.StartOrRestart();
    ASSERT_GE(host.log.size(), 4u);
    EXPECT_EQ(host.log[2].text, "Piece 1 reached home");
    EXPECT_EQ(host.log[3].text, "Dice throw :  3     ");
    EXPECT_EQ(host.log[3].palette, 1) << "player 1 throws again";
    EXPECT_EQ(host.played("ruvhome.wav"), 1);
    EXPECT_EQ(state.ExtraTurn, 0);
    EXPECT_EQ(state.TurnCount, 2);
    EXPECT_EQ(PiecePosition(state, 0, 0), 57);
}

TEST_F(TurnDriverTest, APlayerFinishesAtTheStartOfItsNextTurnAndTheLastIsNamed) {
    for (const bool again : {true, false}) { // No ends the program: last
        startUp("CCCC", "1100");
        place(0, {57, 57, 57, 56});
        forgetHostRecords();
        host.answers = {again};
        dice.add({1});
        game.StartOrRestart();
        EXPECT_EQ(host.questions, (std::vector<std::string>{"Game finished, restart?"}));
        if (!again) {
            EXPECT_EQ(host.logged("FINISHED 1st"), 1);
            EXPECT_EQ(host.logged("FINISHED LAST"), 1);
            EXPECT_EQ(host.logged("GAME ENDED IN 2 TURNS"), 1);
            EXPECT_EQ(state.PlayerInfo[0].caption, "1st = Player 1");
            EXPECT_EQ(state.PlayerInfo[1].caption, "LAST = Player 2");
            // No to a new game: the settings written, the program ended.
            EXPECT_EQ(host.settingsSaved, 1);
            EXPECT_TRUE(game.stopped());
            continue;
        }
        // Yes: the log cleared for the new game holds only its first line.
        ASSERT_EQ(host.log.size(), 1u);
        EXPECT_EQ(host.log[0].text, "NEW GAME");
        EXPECT_EQ(state.CurrentPlayer, -1);
        EXPECT_EQ(state.TurnCount, 0);
        EXPECT_EQ(state.PlayerInfo[0].caption, "PLAYER 1");
        EXPECT_EQ(PieceSquaresText(state, 0), "76,77,78,79");
        EXPECT_EQ(state.DiceCount[1], "1's    .   .   .   .") << "the shown counts start again";
    }
}

TEST_F(TurnDriverTest, APersonIsPromptedAfterThePacingWaitOnlyWithSeveralMoves) {
    for (const bool several : {true, false}) {
        startUp("HCCC");
        game.speedChanged(20); // a pace of 10 half-seconds
        place(0, 0, 10);
        if (several) {
            place(0, 1, 20);
        }
        forgetHostRecords();
        dice.add({4});
        game.StartOrRestart();
        EXPECT_EQ(host.waits, several ? std::vector<long>{10} : std::vector<long>{});
        ASSERT_EQ(host.prompts.size(), 1u);
    }
    EXPECT_EQ(host.prompts[0].first, ">Take your turn (enter piece#=moveby)");
    EXPECT_EQ(host.prompts[0].second, state.PlayerColor[0]);
    EXPECT_TRUE(game.waitingForPerson());

    // The person's move ends the turn; of the computers that go on, only the last to throw
    // shows its dice label.
    dice.add({3, 3, 3});
    stopWhen([this] { return state.CurrentPlayer == 3; });
    game.commandLineEnter("1");
    EXPECT_EQ(host.logged("No move"), 3);
    EXPECT_EQ(state.DiceHead[3].caption, "no move");
    EXPECT_TRUE(state.DiceHead[3].visible);
    EXPECT_FALSE(state.DiceHead[0].visible);
}

TEST_F(TurnDriverTest, APausedPlayerStopsForTheSpaceBarAfterEachLoggedLine) {
    startUp("HCCC");
    state.PlayerPaused[1] = 1;
    game.speedChanged(24); // a pace of 6 half-seconds
    state.SoundOn = 0;
    game.pacer().LogAndPace(1, "quiet", 2);
    EXPECT_EQ(host.waits, (std::vector<long>{120}));
    EXPECT_TRUE(host.sounds.empty()) << "with sound off the beep is silent too";
    state.SoundOn = 1;
    forgetHostRecords();
    dice.add({3, 3, 3});
    stopAtTurn(3);
    game.StartOrRestart();
    // The person goes on at once after "No move"; player 2 stops for the space bar after both
    // lines; player 3 waits its pace.
    EXPECT_EQ(host.waits, (std::vector<long>{120, 120, 6}));
    EXPECT_EQ(host.played("beep2.wav"), 2);
    ASSERT_EQ(host.prompts.size(), 2u);
    EXPECT_EQ(host.prompts[0].first, ">player paused, hit space bar to continue");
    EXPECT_EQ(host.prompts[0].second, state.PlayerColor[1]);
    EXPECT_EQ(host.commandLineText, "");
    EXPECT_EQ(host.commandLineColor, static_cast<Rgb>(Val(state.CommandlineTag)));
}

} // namespace
} // namespace ruvo::test
