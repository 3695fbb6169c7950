// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game on the default board with a recording host and dice drawn from a scripted queue.
#include "FakeHost.h"

#include "files/SettingsFile.h"
#include "game/BoardState.h"
#include "game/DiceSource.h"
#include "game/Game.h"
#include "game/TurnMoves.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace ruvo::test {

// Dice that give the draws put into them, in order.
class QueueDice : public DiceSource {
public:
    std::deque<int> draws;
    int draw() override {
        if (draws.empty()) {
            throw std::runtime_error("the test ran out of dice draws");
        }
        const int value = draws.front();
        draws.pop_front();
        return value;
    }
    void add(std::initializer_list<int> values) { draws.insert(draws.end(), values); }
};

inline Settings DefaultSettings() {
    static const Settings settings = SettingsFile::Load(RUVO_SOURCE_DIR "/data/ruvo.cfg");
    return settings;
}

class GameFixture : public ::testing::Test {
protected:
    FakeHost host;
    QueueDice dice;
    Game game{host, dice};
    GameState& state = game.state();

    // Starts up with the default board; types is one letter per player ("HCCC"), enabled one
    // digit per player ("1111").
    void startUp(const std::string& types = "CCCC", const std::string& enabled = "1111") {
        Settings settings = DefaultSettings();
        for (int p = 0; p < 4; ++p) {
            settings.PlayerType[p] = std::string(1, types[p]);
            settings.PlayerEnabled[p] = static_cast<int16_t>(enabled[p] - '0');
            settings.PlayerPaused[p] = 0;
        }
        settings.SpeedFactor = 30;
        game.startUp(settings);
    }

    // Moves a piece straight to a path position with the game's own move steps.
    void place(int player, int piece, int position) {
        RulesState rules = RulesOf(state);
        game.recorder().putPiece(rules, player, piece, position);
    }
    // Moves the player's first pieces to the given path positions, in piece order.
    void place(int player, std::initializer_list<int> positions) {
        int piece = 0;
        for (const int position : positions) {
            place(player, piece++, position);
        }
    }

    void setThrows(int first, int second = 0, int third = 0) {
        state.DiceThrow = {0, static_cast<int16_t>(first), static_cast<int16_t>(second),
                           static_cast<int16_t>(third)};
    }

    // Stops the game at the top of the first round where done() holds.
    void stopWhen(std::function<bool()> done) {
        host.onProcessEvents = [this, done = std::move(done)] {
            if (done()) {
                game.requestStop();
            }
        };
    }
    void stopAtTurn(int turn) {
        stopWhen([this, turn] { return state.TurnCount >= turn; });
    }

    // Makes the player the current one, to spend the given throws, shown on its dice.
    void toMove(int player, int first, int second = 0, int third = 0) {
        state.CurrentPlayer = static_cast<int16_t>(player);
        setThrows(first, second, third);
        const int values[3] = {first, second, third};
        for (int i = 0; i < 3; ++i) {
            state.DiceNum[3 * player + i] = values[i] == 0 ? "" : std::to_string(values[i]);
        }
        PrepareTurnMoves(state, player);
        forgetHostRecords();
    }
    // The same with the player a person whom the game waits for.
    void personToMove(int player, int first, int second = 0, int third = 0) {
        toMove(player, first, second, third);
        game.driver().setWaitingForPerson(true);
    }

    // A fresh host: what it recorded and what it was given to answer are forgotten.
    void forgetHostRecords() { host = FakeHost{}; }
};

} // namespace ruvo::test
