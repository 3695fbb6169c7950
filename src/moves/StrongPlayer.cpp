// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/StrongPlayer.h"

#include "engine/CpuClock.h"
#include "moves/RolloutSimulator.h"
#include "moves/SeedMix.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace ruvo {

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
    std::vector<RolloutSimulator::Outcome> finishesOf(static_cast<size_t>(finishes) *
                                                      candidates.size());
    std::atomic<int> nextFinish{0};
    std::atomic<long> cpuNanoseconds{0};

    const RolloutSimulator::Judging judging{settings_.yardPips, settings_.raceScale};
    auto work = [&] {
        const double started = CpuClock::thread();
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
                finishesOf[static_cast<size_t>(c) * finishes + i] =
                    simulator.outcome(decision.player, judging);
            }
        }
        cpuNanoseconds += static_cast<long>((CpuClock::thread() - started) * 1e9);
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

    auto score = [&](int c, int i) {
        const auto& finish = finishesOf[static_cast<size_t>(c) * finishes + i];
        return finish.place - settings_.winWeight * finish.win;
    };
    int standard = 0;
    for (int c = 0; c < candidateCount; ++c) {
        if (candidates[c] == decision.standardChoice) {
            standard = c;
        }
    }
    double best = 0.0;
    for (int c = 0; c < candidateCount; ++c) {
        double places = 0.0;
        double wins = 0.0;
        double sum = 0.0;
        double squares = 0.0; // of the score's difference from the weight table's move
        for (int i = 0; i < finishes; ++i) {
            const auto& finish = finishesOf[static_cast<size_t>(c) * finishes + i];
            places += finish.place;
            wins += finish.win;
            const double difference = score(c, i) - score(standard, i);
            sum += difference;
            squares += difference * difference;
        }
        result.estimates.push_back({candidates[c], places / finishes, wins / finishes});
        const double mean = sum / finishes;
        const double variance = std::max(0.0, squares / finishes - mean * mean);
        const double margin = settings_.confidence * std::sqrt(variance / finishes);
        // A move must beat the weight table's by the margin; the first of the best wins.
        if (c == standard || mean + margin < 0.0) {
            if (result.choice < 0 || mean < best) {
                best = mean;
                result.choice = candidates[c];
            }
        }
    }
    return result;
}

} // namespace ruvo
