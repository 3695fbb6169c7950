// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host for the game in tests: records what the game shows, plays and asks, and answers its
// questions, menus and file choosers from scripted queues.
#include "game/GameHost.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace ruvo::test {

class FakeHost : public GameHost {
public:
    struct LogEntry {
        std::string text;
        int palette = 0;
    };

    std::vector<LogEntry> log;
    std::vector<std::string> sounds;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;             // answers to askYesNo; Yes when empty
    std::deque<std::string> commandWords; // picks of the command menu
    std::deque<std::string> playerWords;  // picks of the player menus
    std::vector<PlayerMenu> playerMenus;  // the player menus as they were opened
    std::deque<std::string> chosenFiles;  // results of the file chooser
    std::vector<FileDialogRequest> fileRequests;
    std::vector<long> waits; // every waitOrSpace, in half-seconds
    std::string commandLineText;
    Rgb commandLineColor = 0;
    std::vector<std::pair<std::string, Rgb>> prompts; // text and colour of every prompt shown
    int settingsSaved = 0;
    int programEnded = 0;
    std::string helpShown;
    int aboutShown = 0;
    std::function<void()> onProcessEvents = [] {};
    std::function<void(long)> onWait = [](long) {};

    void addLogLine(const std::string& text, int paletteEntry) override {
        log.push_back({text, paletteEntry});
    }
    void clearLog() override { log.clear(); }
    void processEvents() override { onProcessEvents(); }
    void waitOrSpace(long halfSeconds) override {
        waits.push_back(halfSeconds);
        onWait(halfSeconds);
    }
    void playSound(const std::string& fileName) override { sounds.push_back(fileName); }
    void message(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& prompt) override {
        questions.push_back(prompt);
        return take(answers, true);
    }
    void setCommandLineText(const std::string& text) override {
        commandLineText = text;
        if (!text.empty() && text[0] == '>') {
            prompts.emplace_back(text, commandLineColor);
        }
    }
    void setCommandLineColor(Rgb color) override { commandLineColor = color; }
    void focusCommandLine() override {}
    std::string popupCommandMenu() override { return take(commandWords, ""); }
    std::string popupPlayerMenu(const PlayerMenu& menu) override {
        playerMenus.push_back(menu);
        return take(playerWords, "");
    }
    std::string chooseFile(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return take(chosenFiles, "");
    }
    std::string programFolder() override { return "/games/ruvo"; }
    void showHelp(const std::string& path) override { helpShown = path; }
    void showAbout() override { ++aboutShown; }
    void saveSettings() override { ++settingsSaved; }
    void endProgram() override { ++programEnded; }

    long logged(const std::string& text) const {
        return std::count_if(log.begin(), log.end(),
                             [&](const LogEntry& e) { return e.text == text; });
    }
    long played(const std::string& sound) const {
        return std::count(sounds.begin(), sounds.end(), sound);
    }

private:
    // The first of the queue, taken from it; otherwise when it is empty.
    template <typename T> static T take(std::deque<T>& queue, std::type_identity_t<T> otherwise) {
        if (!queue.empty()) {
            otherwise = std::move(queue.front());
            queue.pop_front();
        }
        return otherwise;
    }
};

} // namespace ruvo::test
