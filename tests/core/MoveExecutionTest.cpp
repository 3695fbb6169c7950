// SPDX-License-Identifier: GPL-3.0-or-later
// Moves on the board: lifting and placing pieces with their captions, colours and records,
// captures, leaving a stack, a person's click preview and typed moves, the dice that stay shown.
#include "GameFixture.h"

#include "game/BoardAudit.h"

namespace ruvo::test {
namespace {

using MoveExecutionTest = GameFixture;

TEST_F(MoveExecutionTest, OpeningOntoALoneOpponentCapturesIt) {
    startUp();
    place(3, 1, 14); // player 4's piece 2 on board square 1, player 1's start square
    toMove(0, 6);
    game.driver().MakeChosenMove(0);
    ASSERT_EQ(host.log.size(), 2u);
    EXPECT_EQ(host.log[0].text, "Open piece 1 by 6");
    EXPECT_EQ(host.log[1].text, "Removed player 4 piece 2");
    EXPECT_EQ(host.log[1].palette, 1);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"kvtmove.wav", "ruvOpen.wav", "kvtmove.wav",
                                                     "ruvcap.wav"}));
    // The captured piece shows its number in its own yard square, the opener its number in its
    // player's colour on the start square; the squares agree with the pieces.
    EXPECT_EQ(PiecePosition(state, 3, 1), 89);
    EXPECT_EQ(state.Piece[89].caption, "2");
    EXPECT_EQ(state.Piece[1].caption, " 1");
    EXPECT_EQ(state.Piece[1].backColor, state.PlayerColor[0]);
    EXPECT_EQ(BoardAudit::Fault(state), "");
}

TEST_F(MoveExecutionTest, AComputerMoveOfTwoPiecesFromAStackLogsBothAndClearsTheirDice) {
    startUp();
    game.speedChanged(28); // a pace of 2 half-seconds
    place(1, {5, 10, 10});
    const SquareView& stack = state.Piece[BoardSquare(1, 10)];
    EXPECT_EQ(stack.caption, " 2 3");
    toMove(1, 6, 2);
    state.ChosenMove = 2;
    ASSERT_EQ(MoveEntryText(state, 2), " 06  02  00  00 11  12  10  83");
    std::vector<int> firstPieceDuringWaits;
    host.onWait = [&](long) {
        firstPieceDuringWaits.push_back(state.SquareCount[BoardSquare(1, 11)]);
    };
    game.driver().MakeChosenMove(1);
    ASSERT_EQ(host.log.size(), 2u);
    EXPECT_EQ(host.log[0].text, "Move piece 1 by 6");
    EXPECT_EQ(host.log[1].text, "Move piece 2 by 2");
    EXPECT_EQ(host.waits, (std::vector<long>{2, 2}));
    // The first piece stands on its destination before the second one is lifted.
    EXPECT_EQ(firstPieceDuringWaits, (std::vector<int>{0, 1}));
    EXPECT_EQ(state.DiceNum[3], "");
    EXPECT_EQ(state.DiceNum[4], "");
    EXPECT_EQ(state.DiceThrow[1], 6) << "the caller settles the throws";
    // Piece 2 left the stack; piece 3 stays.
    EXPECT_EQ(stack.caption, " 3");
    EXPECT_EQ(state.Piece[BoardSquare(1, 12)].caption, " 2");
    EXPECT_EQ(BoardAudit::Fault(state), "");
}

TEST_F(MoveExecutionTest, APersonTypesAMoveForEachThrow) {
    startUp("HCCC");
    place(0, {10, 20});
    personToMove(0, 6, 3);
    for (const char* refused : {"1 6", "about", "x=2"}) { // "1 6" is piece 16
        game.commandLineEnter(refused);
    }
    EXPECT_EQ(host.sounds, std::vector<std::string>(3, "kvterr2.wav"));
    game.commandLineEnter("   ");
    game.commandLineEnter("1=5"); // no such option: nothing happens
    EXPECT_TRUE(host.log.empty());
    game.commandLineEnter(" 1 = 6 ");
    EXPECT_EQ(host.log[0].text, "Move piece 1 by 6");
    EXPECT_EQ(PiecePosition(state, 0, 0), 16);
    EXPECT_EQ(state.DiceThrow[1], 3);
    EXPECT_EQ(state.DiceThrow[2], 0);
    EXPECT_EQ(state.DiceNum[0], "3");
    EXPECT_EQ(state.DiceNum[1], "");
    EXPECT_TRUE(game.waitingForPerson());
    EXPECT_EQ(host.prompts.size(), 1u);
    EXPECT_EQ(state.PieceOptionCount[1], 1);
    EXPECT_EQ(PieceOptionText(state.PieceOptions[1][1]), "03,23");
    // The comma wins over "=": "2,3=6" is piece 2 by 3, the last throw, which ends the turn.
    stopWhen([] { return true; });
    game.commandLineEnter("2,3=6");
    EXPECT_EQ(host.log.back().text, "Move piece 2 by 3");
    EXPECT_EQ(PiecePosition(state, 0, 1), 23);
    EXPECT_FALSE(game.waitingForPerson());
}

TEST_F(MoveExecutionTest, ClickPreviewCyclesThroughTheOptionsAndTheRightButtonMoves) {
    startUp("HCCC");
    place(0, 0, 10);
    place(0, 2, 57);
    personToMove(0, 6, 3);
    // Another player's piece, an empty square, a piece at home without options: no preview.
    for (const int square : {80, 20, 57}) {
        game.squareMouseUp(square, 1);
        EXPECT_EQ(state.PreviewSquare, -1) << square;
    }
    EXPECT_TRUE(host.sounds.empty());
    // Piece 2 in its yard (square 77) has the options 6 (with 3 on piece 1) and 9.
    game.squareMouseUp(77, 1);
    const SquareView& amount = state.Piece[AmountMarker];
    const SquareView& target = state.Piece[TargetMarker];
    EXPECT_EQ(state.PreviewSquare, 77);
    EXPECT_EQ(state.MovingPiece, 1);
    EXPECT_TRUE(amount.visible);
    EXPECT_EQ(amount.caption, "06+");
    EXPECT_EQ(amount.overSquare, 77);
    EXPECT_TRUE(target.visible);
    EXPECT_EQ(target.overSquare, 1);
    EXPECT_EQ(host.sounds.back(), "kvtmove.wav");
    game.squareMouseUp(AmountMarker, 1);
    EXPECT_EQ(amount.caption, "09+");
    EXPECT_EQ(target.overSquare, 4);
    game.squareMouseUp(AmountMarker, 1);
    EXPECT_EQ(amount.caption, "06+");

    // Moving the pointer over the marker keeps the preview; anywhere else cancels it.
    game.squareMouseMove(AmountMarker);
    EXPECT_TRUE(amount.visible);
    game.squareMouseMove(50);
    EXPECT_FALSE(amount.visible);
    EXPECT_FALSE(target.visible);
    EXPECT_EQ(state.PreviewSquare, -1);
    game.squareMouseUp(77, 1);
    game.squareMouseUp(AmountMarker, 2);
    EXPECT_EQ(host.logged("Open piece 2 by 6"), 1);
    EXPECT_EQ(PiecePosition(state, 0, 1), 1);
    EXPECT_FALSE(amount.visible);
    EXPECT_TRUE(game.waitingForPerson());
}

TEST_F(MoveExecutionTest, TheDiceLabelAsksForTheComputersMoveOnlyWhileThePersonIsAsked) {
    startUp("HCCC");
    place(0, {10, 20});
    toMove(0, 4);
    game.squareMouseUp(10, 1);
    game.commandLineEnter("1=4");
    game.commandLineEnter("A");
    game.diceHeadMouseUp(0, 2);
    EXPECT_EQ(state.PreviewSquare, -1);
    EXPECT_EQ(PiecePosition(state, 0, 0), 10);
    EXPECT_TRUE(host.log.empty()) << "the game did not wait for the person";
    game.driver().setWaitingForPerson(true);
    game.diceHeadMouseUp(0, 1); // the left button does nothing for a person
    EXPECT_TRUE(host.log.empty());
    state.DiceHead[2].caption = "move by";
    game.diceHeadMouseUp(2, 1); // any click on a computer's label clears it
    EXPECT_EQ(state.DiceHead[2].caption, "");
    stopWhen([] { return true; });
    game.diceHeadMouseUp(0, 2);
    EXPECT_EQ(host.log[0].text, "Auto move piece 1 by 4");
    EXPECT_FALSE(game.waitingForPerson());
}

} // namespace
} // namespace ruvo::test
