// SPDX-License-Identifier: GPL-3.0-or-later
#include "moves/RolloutSimulator.h"

#include "board/PathTable.h"
#include "moves/ComputerPlayer.h"
#include "moves/MoveGenerator.h"
#include "moves/SeedMix.h"

#include <cmath>

namespace ruvo {

RolloutSimulator::RolloutSimulator() {
    FillPieceTriples(work_);
}

void RolloutSimulator::reset(const RolloutPosition& position) {
    work_.PieceSquares = position.pieces;
    work_.SquareOwner = position.owner;
    work_.SquareCount = position.count;
    work_.ThrowCount = position.throwCount;
    work_.FrequentFace = position.frequentFace;
    work_.FinishPlace = position.finishPlace;
    work_.FinishedCount = position.finishedCount;
    work_.PlayerCount = position.playerCount;
    work_.CurrentPlayer = position.currentPlayer;
    playing_ = position.playing;
}

void RolloutSimulator::liftPiece(int player, int position) {
    const int b = PathSquare(player, position);
    if (--work_.SquareCount[b] <= 0) {
        work_.SquareCount[b] = 0;
        work_.SquareOwner[b] = -1;
    } else {
        work_.SquareOwner[b] = static_cast<int16_t>(player);
    }
}

void RolloutSimulator::placePiece(int player, int position) {
    const int b = PathSquare(player, position);
    const int owner = work_.SquareOwner[b];
    if (owner != -1 && owner != player && work_.SquareCount[b] >= 1) {
        for (int k = 0; k < 4; ++k) {
            if (PathSquare(owner, work_.PieceSquares[owner][k]) == b) {
                const int y = YardSquare(owner, k);
                work_.PieceSquares[owner][k] = static_cast<int16_t>(y);
                work_.SquareCount[y] = 1;
                work_.SquareOwner[y] = static_cast<int16_t>(owner);
                break;
            }
        }
        work_.SquareCount[b] = 0;
    }
    ++work_.SquareCount[b];
    work_.SquareOwner[b] = static_cast<int16_t>(player);
}

void RolloutSimulator::playMove(int player, const MoveEntry& entry) {
    bool home = false;
    for (int k = 0; k < 4; ++k) {
        const int oldPos = work_.PieceSquares[player][k];
        const int newPos = entry.destination[k];
        if (oldPos == newPos) {
            continue;
        }
        liftPiece(player, oldPos);
        home = home || newPos == HomePosition;
        placePiece(player, newPos);
        work_.PieceSquares[player][k] = static_cast<int16_t>(newPos);
    }
    if (home) {
        work_.CurrentPlayer = static_cast<int16_t>(player - 1); // the same player goes again
    }
}

int RolloutSimulator::throwDie(int player, uint64_t& stream) {
    int value = 0;
    for (int draw = 1; draw <= 10; ++draw) {
        value = static_cast<int>(((NextRandom(stream) >> 32) * 6) >> 32) + 1;
        if (value != work_.FrequentFace[player]) {
            break;
        }
    }
    return value;
}

void RolloutSimulator::playOn(uint64_t seed, int rounds) {
    std::array<uint64_t, 4> streams{};
    for (int p = 0; p < 4; ++p) {
        streams[p] = MixSeed(seed, static_cast<uint64_t>(p) + 1);
    }
    auto& dice = work_.DiceThrow;
    for (int turn = 0; turn < 4 * rounds; ++turn) {
        if (ended()) {
            return;
        }
        const int P = work_.CurrentPlayer + 1 > 3 ? 0 : work_.CurrentPlayer + 1;
        work_.CurrentPlayer = static_cast<int16_t>(P);
        if (work_.FinishPlace[P] != 0 || !playing_[P]) {
            continue;
        }
        bool allHome = true;
        for (int position : work_.PieceSquares[P]) {
            allHome = allHome && position == HomePosition;
        }
        if (allHome) {
            work_.FinishPlace[P] = ++work_.FinishedCount;
            continue;
        }
        dice[1] = dice[2] = dice[3] = 0;
        for (int n = 1; n <= 3; ++n) {
            dice[n] = static_cast<int16_t>(throwDie(P, streams[P]));
            if (dice[n] != 6) {
                break;
            }
            if (n == 3) {
                dice[1] = dice[2] = dice[3] = 0;
            }
        }
        if (dice[1] == 0) {
            continue;
        }
        auto& counts = work_.ThrowCount[P];
        for (int n = 1; n <= 3 && dice[n] != 0; ++n) {
            ++counts[dice[n]];
        }
        int best = 1;
        for (int face = 2; face <= 6; ++face) {
            if (counts[face] > counts[best]) {
                best = face;
            }
        }
        work_.FrequentFace[P] = static_cast<int16_t>(best);
        PrepareTurnMoves(work_, P, false);
        if (work_.PossibleMoveCount >= 2) {
            playMove(P, work_.PossibleMoves[work_.ChosenMove]);
        }
    }
}

bool RolloutSimulator::ended() const {
    int finished = 0;
    for (int p = 0; p < 4; ++p) {
        finished += work_.FinishPlace[p] != 0 ? 1 : 0;
    }
    return finished >= work_.PlayerCount - 1;
}

int RolloutSimulator::distanceLeft(int player, int yardPips) const {
    int distance = 0;
    for (int position : work_.PieceSquares[player]) {
        distance += position > 75 ? HomePosition + yardPips : HomePosition - position;
    }
    return distance;
}

RolloutSimulator::Outcome RolloutSimulator::outcome(int player, const Judging& judging) const {
    Outcome result;
    if (work_.FinishPlace[player] != 0) {
        result.place = work_.FinishPlace[player];
        result.win = work_.FinishPlace[player] == 1 ? 1.0 : 0.0;
        return result;
    }
    const int mine = distanceLeft(player, judging.yardPips);
    result.place = 1.0 + work_.FinishedCount;
    result.win = work_.FinishedCount == 0 ? 1.0 : 0.0;
    for (int other = 0; other < 4; ++other) {
        if (other == player || !playing_[other] || work_.FinishPlace[other] != 0) {
            continue;
        }
        const int lead = distanceLeft(other, judging.yardPips) - mine;
        double ahead = lead < 0 ? 0.0 : lead > 0 ? 1.0 : 0.5;
        if (judging.raceScale > 0) {
            ahead = 1.0 / (1.0 + std::exp(-lead / judging.raceScale));
        }
        result.place += 1.0 - ahead;
        result.win *= ahead;
    }
    return result;
}

} // namespace ruvo
