// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each computer player's level and the choices of the Easy and Strong ones. A choice depends only
// on the position, the throws and the game's seed: Easy and Strong draw from streams of their
// own, never from the game's dice. In the background the thinking runs on a thread of its own
// while the game paces and answers the window.
#include "game/ComputerLevel.h"
#include "game/MoveChooser.h"
#include "game/StrongPlayer.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace ruvo {

class ComputerLevels : public MoveChooser {
public:
    ComputerLevels() = default;
    ~ComputerLevels() override;
    ComputerLevels(const ComputerLevels&) = delete;
    ComputerLevels& operator=(const ComputerLevels&) = delete;

    ComputerLevel level(int player) const { return levels_[player]; }
    void setLevel(int player, ComputerLevel level) { levels_[player] = level; }
    void setLevels(const std::array<ComputerLevel, 4>& levels) { levels_ = levels; }
    uint64_t gameSeed() const { return gameSeed_; }
    void setGameSeed(uint64_t seed) { gameSeed_ = seed; }
    void setStrongSettings(const StrongSettings& settings) { strong_ = StrongPlayer(settings); }
    const StrongSettings& strongSettings() const { return strong_.settings(); }
    // Think on a thread of its own, so that the caller's events run meanwhile.
    void setBackground(bool background) { background_ = background; }

    // The Easy and Strong choices, computed at once.
    static int EasyChoice(const MoveDecision& decision);
    StrongResult strongChoice(const MoveDecision& decision) const {
        return strong_.think(decision);
    }

    bool begin(const GameState& state, int player) override;
    int finish(const std::function<void()>& processEvents) override;
    void cancel() override;

    // Processor time of each decision a player took (not those cancelled), in milliseconds.
    const std::vector<double>& thinkMilliseconds(int player) const { return thinkMs_[player]; }
    // Their mean and 99th percentile (0 for none).
    struct ThinkingTime {
        double mean = 0.0;
        double p99 = 0.0;
    };
    static ThinkingTime Summarize(std::vector<double> milliseconds);

private:
    void decide(const MoveDecision& decision, ComputerLevel level);

    std::array<ComputerLevel, 4> levels_{ComputerLevel::Standard, ComputerLevel::Standard,
                                         ComputerLevel::Standard, ComputerLevel::Standard};
    uint64_t gameSeed_ = 0;
    StrongPlayer strong_;
    bool background_ = false;
    std::array<std::vector<double>, 4> thinkMs_;

    std::thread thinker_;
    std::atomic<bool> cancelled_{false};
    std::mutex mutex_;
    std::condition_variable done_;
    bool ready_ = false;
    int choice_ = -1;
    int player_ = 0;            // whose decision is ready
    double milliseconds_ = 0.0; // and what it took
};

} // namespace ruvo
