// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/StrongPlayer.h"

#include "moves/RolloutSimulator.h"
#include "moves/SeedMix.h"

#include <algorithm>
#include <ctime>
#include <thread>

namespace ruvo {

namespace {

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The player's result of one finish: its place and whether it won.
struct Finish {
    double place = 0.0;
    bool won = false;
};

} // namespace

StrongResult StrongPlayer::think(const MoveDecision& decision,
                                 const std::atomic<bool>* cancel) const {
    StrongResult result;
    const std::vector<int>& candidates = decision.candidates;
    if (candidates.size() <= 1) {
        result.choice = candidates.empty() ? -1 : candidates.front();
        if (!candidates.empty()) {
            result.estimates.push_back({candidates.front(), 0.0, 0.0});
        }
        return result;
    }
    const int finishes = std::max(1, settings_.finishes);
    const int candidateCount = static_cast<int>(candidates.size());
    std::vector<Finish> finishesOf(static_cast<size_t>(finishes) * candidates.size());
    std::atomic<int> nextFinish{0};
    std::atomic<long> cpuNanoseconds{0};

    auto work = [&] {
        const double started = ThreadCpuSeconds();
        thread_local RolloutSimulator simulator;
        for (int i = nextFinish++; i < finishes; i = nextFinish++) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
                break;
            }
            const uint64_t seed = MixSeed(decision.seed, static_cast<uint64_t>(i));
            for (int c = 0; c < candidateCount; ++c) {
                simulator.reset(decision.position);
                simulator.playMove(decision.player, decision.moves[candidates[c]]);
                simulator.playOn(seed, settings_.cutRounds);
                Finish& finish = finishesOf[static_cast<size_t>(c) * finishes + i];
                finish.place = simulator.place(decision.player, settings_.yardPips);
                finish.won = simulator.state().FinishPlace[decision.player] == 1 ||
                             (simulator.state().FinishedCount == 0 && finish.place == 1.0);
            }
        }
        cpuNanoseconds += static_cast<long>((ThreadCpuSeconds() - started) * 1e9);
    };

    int threads = settings_.threads > 0 ? settings_.threads
                                        : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, finishes);
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        helpers.emplace_back(work);
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    result.cpuSeconds = static_cast<double>(cpuNanoseconds.load()) * 1e-9;

    double bestPlace = 0.0;
    for (int c = 0; c < candidateCount; ++c) {
        double places = 0.0;
        int wins = 0;
        for (int i = 0; i < finishes; ++i) {
            const Finish& finish = finishesOf[static_cast<size_t>(c) * finishes + i];
            places += finish.place;
            wins += finish.won ? 1 : 0;
        }
        const double meanPlace = places / finishes;
        result.estimates.push_back(
            {candidates[c], meanPlace, static_cast<double>(wins) / finishes});
        // The weight table's choice keeps a tie; otherwise the first of the best in list order.
        const bool better = result.choice < 0 || meanPlace < bestPlace ||
                            (meanPlace == bestPlace && candidates[c] == decision.standardChoice);
        if (better) {
            bestPlace = meanPlace;
            result.choice = candidates[c];
        }
    }
    return result;
}

} // namespace ruvo
