// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ComputerLevels.h"

#include "game/CpuClock.h"
#include "game/SeedMix.h"

#include <algorithm>
#include <chrono>

namespace ruvo {

ComputerLevels::~ComputerLevels() {
    cancel();
}

int ComputerLevels::EasyChoice(const MoveDecision& decision) {
    if (decision.candidates.empty()) {
        return -1;
    }
    uint64_t stream = decision.seed;
    const uint64_t r = NextRandom(stream) >> 32;
    const uint64_t index = (r * decision.candidates.size()) >> 32;
    return decision.candidates[index];
}

ComputerLevels::ThinkingTime ComputerLevels::Summarize(std::vector<double> milliseconds) {
    ThinkingTime time;
    if (milliseconds.empty()) {
        return time;
    }
    for (double t : milliseconds) {
        time.mean += t;
    }
    time.mean /= static_cast<double>(milliseconds.size());
    std::sort(milliseconds.begin(), milliseconds.end());
    time.p99 = milliseconds[(milliseconds.size() * 99 + 99) / 100 - 1];
    return time;
}

void ComputerLevels::decide(const MoveDecision& decision, ComputerLevel level) {
    int choice = -1;
    double milliseconds = 0.0;
    if (level == ComputerLevel::Easy) {
        const double started = CpuClock::process();
        choice = EasyChoice(decision);
        milliseconds = (CpuClock::process() - started) * 1e3;
    } else {
        StrongResult result = strong_.think(decision, &cancelled_);
        choice = result.choice;
        milliseconds = result.cpuSeconds * 1e3;
    }
    std::lock_guard lock(mutex_);
    player_ = decision.player;
    milliseconds_ = milliseconds;
    choice_ = choice;
    ready_ = true;
    done_.notify_all();
}

bool ComputerLevels::begin(const GameState& state, int player) {
    cancel();
    const ComputerLevel level = levels_[player];
    if (level == ComputerLevel::Standard || state.PossibleMoveCount < 2) {
        return false;
    }
    MoveDecision decision = MoveDecision::Of(state, player, gameSeed_);
    {
        std::lock_guard lock(mutex_);
        ready_ = false;
        choice_ = -1;
    }
    cancelled_ = false;
    if (background_ && level == ComputerLevel::Strong) {
        thinker_ =
            std::thread([this, decision = std::move(decision), level] { decide(decision, level); });
    } else {
        decide(decision, level);
    }
    return true;
}

int ComputerLevels::finish(const std::function<void()>& processEvents) {
    std::unique_lock lock(mutex_);
    while (!ready_) {
        lock.unlock();
        if (processEvents) {
            processEvents();
        }
        lock.lock();
        done_.wait_for(lock, std::chrono::milliseconds(10), [this] { return ready_; });
    }
    const int choice = choice_;
    thinkMs_[player_].push_back(milliseconds_); // only a decision taken counts
    lock.unlock();
    if (thinker_.joinable()) {
        thinker_.join();
    }
    return choice;
}

void ComputerLevels::cancel() {
    cancelled_ = true;
    if (thinker_.joinable()) {
        thinker_.join();
    }
    std::lock_guard lock(mutex_);
    ready_ = false;
}

} // namespace ruvo
