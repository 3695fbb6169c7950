// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of the squares, panels, dice, throw counts, pause and preview.
#include "GameFixture.h"

#include "game/ScreenReaderText.h"

namespace ruvo::test {
namespace {

class ScreenReaderTextTest : public GameFixture {};

std::string Name(const GameState& state, int square) {
    return ScreenReaderText::SquareName(state, square);
}

TEST_F(ScreenReaderTextTest, SquaresNameTheirPiecesAndACaptureChangesTwoNames) {
    startUp();
    EXPECT_EQ(Name(state, 20), "Square 20: empty");
    EXPECT_EQ(Name(state, 76), "Square 76: player 1 yard, piece 1");
    EXPECT_EQ(Name(state, 14), "Square 14: player 2 start, empty");
    EXPECT_EQ(Name(state, 53), "Square 53: player 1 home column, empty");
    EXPECT_EQ(Name(state, 63), "Square 63: player 2 home, empty");
    place(1, 2, 1); // player 2's piece 3 opens onto square 14
    EXPECT_EQ(Name(state, 14), "Square 14: player 2 start, player 2, piece 3");
    EXPECT_EQ(Name(state, 86), "Square 86: player 3 yard, piece 3"); // not player 2's yard
    EXPECT_EQ(Name(state, 82), "Square 82: player 2 yard, empty");
    place(0, 3, 20);
    place(0, 1, 20);
    EXPECT_EQ(Name(state, 20), "Square 20: player 1, pieces 2 and 4");
    place(0, 0, 14); // captures player 2's piece 3
    EXPECT_EQ(PiecePosition(state, 1, 2), 82);
    EXPECT_EQ(Name(state, 14), "Square 14: player 2 start, player 1, piece 1");
    EXPECT_EQ(Name(state, 82), "Square 82: player 2 yard, piece 3");
    place(2, 0, 57); // player 3's piece 1 at home
    EXPECT_EQ(Name(state, 69), "Square 69: player 3 home, piece 1");
    for (int s = 0; s < SquareTotal; ++s) {
        EXPECT_EQ(Name(state, s).rfind("Square " + std::to_string(s) + ": ", 0), 0u) << s;
    }
    EXPECT_EQ(Name(state, 98), "");
}

TEST_F(ScreenReaderTextTest, PanelsSayWhoPlaysPauseTurnAndPlace) {
    startUp("HCCC", "1110");
    state.PlayerPaused[1] = state.FlagYes;
    EXPECT_EQ(ScreenReaderText::PanelName(state, 0), "Player 1: person");
    EXPECT_EQ(ScreenReaderText::PanelName(state, 1), "Player 2: computer, paused");
    EXPECT_EQ(ScreenReaderText::PanelName(state, 3), "Player 4: not playing");
    state.CurrentPlayer = 2;
    EXPECT_EQ(ScreenReaderText::PanelName(state, 2), "Player 3: computer, to move");
    state.FinishPlace[2] = 1;
    state.FinishPlace[0] = 2;
    state.FinishPlace[1] = 3;
    EXPECT_EQ(ScreenReaderText::PanelName(state, 2), "Player 3: computer, 1st place");
    EXPECT_EQ(ScreenReaderText::PanelName(state, 0), "Player 1: person, 2nd place");
    EXPECT_EQ(ScreenReaderText::PanelName(state, 1), "Player 2: computer, paused, 3rd place");
}

TEST_F(ScreenReaderTextTest, DiceCountsAndPauseFollowTheGame) {
    startUp("CCCC");
    EXPECT_EQ(ScreenReaderText::DieName(state, 4), "Player 2 die 2: none");
    // Player 1 throws 6 and 5 and opens a piece by 11; player 2 throws 3 and cannot move.
    dice.add({6, 5, 3});
    host.onProcessEvents = [this] {
        if (state.TurnCount >= 2) {
            game.requestStop();
        }
    };
    game.StartOrRestart();
    EXPECT_EQ(ScreenReaderText::DieName(state, 0), "Player 1 die 1: none"); // spent
    EXPECT_EQ(ScreenReaderText::DieName(state, 3), "Player 2 die 1: 3");
    EXPECT_EQ(ScreenReaderText::ThrowCountCell(state, 6, 0), "1");
    EXPECT_EQ(ScreenReaderText::ThrowCountCell(state, 3, 1), "1");
    EXPECT_EQ(ScreenReaderText::ThrowCountCell(state, 3, 0), "0");
    EXPECT_EQ(Name(state, 6), "Square 6: player 1, piece 1");

    game.speedChanged(1);
    EXPECT_EQ(ScreenReaderText::SpeedDescription(state),
              "Pause between automatic moves: 14.5 secs");
}

TEST_F(ScreenReaderTextTest, PreviewNamesThePieceAmountAndDestination) {
    startUp("HCCC");
    place(0, 0, 10);
    state.CurrentPlayer = 0;
    setThrows(6, 3);
    PrepareTurnMoves(state, 0);
    game.driver().setWaitingForPerson(true);
    EXPECT_EQ(ScreenReaderText::PreviewText(state), "");
    game.squareMouseUp(77, 1);
    EXPECT_EQ(ScreenReaderText::PreviewText(state), "Piece 2 by 6 to square 1");
    EXPECT_EQ(Name(state, AmountMarker), "Preview: Piece 2 by 6 to square 1");
    game.squareMouseUp(AmountMarker, 1);
    EXPECT_EQ(ScreenReaderText::PreviewText(state), "Piece 2 by 9 to square 4");
    game.surfaceMouseMove();
    EXPECT_EQ(ScreenReaderText::PreviewText(state), "");

    place(0, 0, 50);
    setThrows(6, 1);
    PrepareTurnMoves(state, 0);
    game.squareMouseUp(50, 1);
    game.squareMouseUp(AmountMarker, 1);
    EXPECT_EQ(ScreenReaderText::PreviewText(state), "Piece 1 by 7 to home");
}

} // namespace
} // namespace ruvo::test
