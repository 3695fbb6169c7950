// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/StrongPlayer.h"

#include "game/CpuClock.h"
#include "game/RolloutSimulator.h"
#include "game/SeedMix.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace ruvo {

namespace {

// The mean and standard error of one candidate's score less another's over their first n
// finishes (the same dice for both).
struct Difference {
    double mean = 0.0;
    double error = 0.0;
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
    const int most = std::max(1, settings_.finishes);
    const int batch = std::clamp(settings_.batch, 1, most);
    const int candidateCount = static_cast<int>(candidates.size());
    std::vector<RolloutSimulator::Outcome> finishesOf(static_cast<size_t>(most) *
                                                      candidates.size());
    auto finish = [&](int c, int i) -> RolloutSimulator::Outcome& {
        return finishesOf[static_cast<size_t>(c) * most + i];
    };
    std::vector<int> played(candidates.size(), 0);
    std::vector<int> alive(candidates.size());
    for (int c = 0; c < candidateCount; ++c) {
        alive[c] = c;
    }
    std::atomic<long> cpuNanoseconds{0};
    const RolloutSimulator::Judging judging{settings_.yardPips, settings_.raceScale,
                                            settings_.riskPercent};
    auto stopped = [&] { return cancel != nullptr && cancel->load(std::memory_order_relaxed); };

    // Plays finishes begin..end-1 of the candidates still in the race, over the threads.
    auto playFinishes = [&](int begin, int end) {
        std::atomic<int> next{begin};
        auto work = [&] {
            const double started = CpuClock::thread();
            thread_local RolloutSimulator simulator;
            for (int i = next++; i < end && !stopped(); i = next++) {
                const uint64_t seed = MixSeed(decision.seed, static_cast<uint64_t>(i));
                for (int c : alive) {
                    simulator.reset(decision.position);
                    simulator.playMove(decision.player, decision.moves[candidates[c]]);
                    simulator.playOn(seed, settings_.cutRounds);
                    finish(c, i) = simulator.outcome(decision.player, judging);
                }
            }
            cpuNanoseconds += static_cast<long>((CpuClock::thread() - started) * 1e9);
        };
        int threads = settings_.threads > 0 ? settings_.threads
                                            : static_cast<int>(std::thread::hardware_concurrency());
        threads = std::clamp(threads, 1, end - begin);
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t) {
            helpers.emplace_back(work);
        }
        work();
        for (std::thread& helper : helpers) {
            helper.join();
        }
    };

    auto score = [&](int c, int i) {
        return finish(c, i).place - settings_.winWeight * finish(c, i).win;
    };
    auto difference = [&](int c, int reference) {
        const int n = std::min(played[c], played[reference]);
        double sum = 0.0;
        double squares = 0.0;
        for (int i = 0; i < n; ++i) {
            const double d = score(c, i) - score(reference, i);
            sum += d;
            squares += d * d;
        }
        const double mean = sum / n;
        const double variance = std::max(0.0, squares / n - mean * mean);
        return Difference{mean, std::sqrt(variance / n)};
    };
    auto leader = [&] { // the first of the best means among the candidates in the race
        int best = alive.front();
        for (int c : alive) {
            if (difference(c, best).mean < 0.0) {
                best = c;
            }
        }
        return best;
    };

    // A race: every candidate in it plays the next batch of finishes; a candidate worse than
    // the leader by the drop margin leaves it. The finishes go where the decision is close.
    for (int done = 0; done < most && alive.size() > 1 && !stopped();) {
        const int end = std::min(most, done + batch);
        playFinishes(done, end);
        for (int c : alive) {
            played[c] = end;
        }
        done = end;
        const int best = leader();
        std::erase_if(alive, [&](int c) {
            const Difference d = difference(c, best);
            return c != best && d.mean - settings_.dropMargin * d.error > 0.0;
        });
    }
    result.cpuSeconds = static_cast<double>(cpuNanoseconds.load()) * 1e-9;

    for (int c = 0; c < candidateCount; ++c) {
        double places = 0.0;
        double wins = 0.0;
        for (int i = 0; i < played[c]; ++i) {
            places += finish(c, i).place;
            wins += finish(c, i).win;
        }
        const double n = std::max(1, played[c]);
        result.estimates.push_back({candidates[c], places / n, wins / n});
    }
    // The weight table's move stays unless a candidate in the race beats it by the confidence
    // margin; when it has left the race, the leader plays.
    int choice = leader();
    for (int c : alive) {
        if (candidates[c] == decision.standardChoice) {
            choice = c;
        }
    }
    if (candidates[choice] == decision.standardChoice) {
        const int standard = choice;
        double best = 0.0;
        for (int c : alive) {
            const Difference d = difference(c, standard);
            if (d.mean + settings_.confidence * d.error < 0.0 && d.mean < best) {
                best = d.mean;
                choice = c;
            }
        }
    }
    result.choice = candidates[choice];
    return result;
}

} // namespace ruvo
