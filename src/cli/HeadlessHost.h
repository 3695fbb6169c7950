// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host of a game played without a window: no waits, no sound, questions answered by rule,
// log lines written to a stream when asked for.
#include "game/GameHost.h"

#include <array>
#include <functional>
#include <ostream>
#include <string>

namespace ruvo {

class Game;

class HeadlessHost : public GameHost {
public:
    struct Standing {
        std::array<int, 4> places{}; // per player: 1, 2, 3, 4 = last, 0 = not playing
    };

    // log: where "C|TEXT" lines go, or nullptr to discard them.
    explicit HeadlessHost(std::ostream* log) : log_(log) {}

    // Games to complete before "Game finished, restart?" is answered No.
    void setGamesWanted(int games) { gamesWanted_ = games; }
    // Called at the top of every round of the turn driver.
    void setRoundHook(std::function<void()> hook) { roundHook_ = std::move(hook); }
    void attach(Game& game) { game_ = &game; }

    int gamesCompleted() const { return gamesCompleted_; }
    long turnsPlayed() const { return turnsPlayed_; }
    const std::array<std::array<int, 5>, 4>& placeCounts() const { return placeCounts_; }
    const std::string& lastMessage() const { return lastMessage_; }

    void addLogLine(const std::string& text, int paletteEntry) override;
    void clearLog() override {}
    bool logWanted() const override { return log_ != nullptr; }
    void processEvents() override;
    void waitOrSpace(long) override {}
    void playSound(const std::string&) override {}
    void message(const std::string& text) override { lastMessage_ = text; }
    bool askYesNo(const std::string& prompt) override;
    void setCommandLineText(const std::string&) override {}
    void setCommandLineColor(Rgb) override {}
    void focusCommandLine() override {}
    std::string popupCommandMenu() override { return ""; }
    std::string popupPlayerMenu(const PlayerMenu&) override { return ""; }
    std::string chooseFile(const FileDialogRequest&) override { return ""; }
    std::string programFolder() override { return "."; }
    void showHelp(const std::string&) override {}
    void showAbout() override {}
    void saveSettings() override {}
    void endProgram() override {}

private:
    void recordStandings();

    std::ostream* log_;
    Game* game_ = nullptr;
    int gamesWanted_ = 1;
    int gamesCompleted_ = 0;
    long turnsPlayed_ = 0;
    std::array<std::array<int, 5>, 4> placeCounts_{}; // [player][place 1..4]
    std::function<void()> roundHook_;
    std::string lastMessage_;
};

} // namespace ruvo
