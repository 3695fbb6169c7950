// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MovesCommand.h"

#include "cli/NumberList.h"
#include "cli/UsageError.h"
#include "game/BoardState.h"
#include "game/ComputerLevels.h"
#include "game/MoveDecision.h"
#include "game/StrongPlayer.h"
#include "game/TurnMoves.h"
#include "rules/RulesState.h"

#include <iomanip>
#include <optional>

namespace ruvo {

namespace {

// Takes "--computer LEVEL" (or "--computer=LEVEL") and "--seed S" out of the words.
std::vector<std::string> TakeOptions(const std::vector<std::string>& words, ComputerLevel& level,
                                     uint64_t& seed) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < words.size(); ++i) {
        std::string name = words[i];
        std::string value;
        const size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (name == "--computer" || name == "--seed") {
            if (i + 1 >= words.size()) {
                throw UsageError(name + " needs a value");
            }
            value = words[++i];
        }
        if (name == "--computer") {
            const std::optional<ComputerLevel> parsed = ParseLevel(value);
            if (!parsed) {
                throw UsageError("--computer: '" + value +
                                 "' is not a level (easy, standard, strong)");
            }
            level = *parsed;
        } else if (name == "--seed") {
            const long number = NumberList::ParseOne(value, "--seed");
            if (number < 0) {
                throw UsageError("--seed: '" + value + "' must not be negative");
            }
            seed = static_cast<uint64_t>(number);
        } else if (name.rfind("--", 0) == 0) {
            throw UsageError("unknown option '" + words[i] + "'");
        } else {
            rest.push_back(words[i]);
        }
    }
    return rest;
}

} // namespace

int MovesCommand::Run(const std::vector<std::string>& words, std::ostream& out) {
    ComputerLevel level = ComputerLevel::Standard;
    uint64_t seed = 0;
    const std::vector<std::string> args = TakeOptions(words, level, seed);
    if (args.size() != 6) {
        throw UsageError("moves takes PLAYER THROWS POS0 POS1 POS2 POS3");
    }
    const long player = NumberList::ParseOne(args[0], "PLAYER", 0, 3);
    const std::vector<int> throws = NumberList::Parse(args[1], "THROWS", 1, 3, 1, 6);

    RulesState rules = RulesState::newGame({true, true, true, true});
    rules.clearBoard();
    GameState state;
    for (int p = 0; p < 4; ++p) {
        const std::string what = "POS" + std::to_string(p);
        const std::vector<int> positions = NumberList::Parse(args[2 + p], what, 4, 4);
        for (int k = 0; k < 4; ++k) {
            if (!IsValidPiecePosition(p, k, positions[k])) {
                throw UsageError(what + ": piece " + std::to_string(k) + " at " +
                                 std::to_string(positions[k]) +
                                 " is neither a path position 1..57 nor its own yard square " +
                                 std::to_string(YardSquare(p, k)));
            }
            const int square = BoardSquare(p, positions[k]);
            if (rules.owner[square] != -1 && rules.owner[square] != p) {
                throw UsageError(what + ": piece " + std::to_string(k) + " stands on square " +
                                 std::to_string(square) + ", which player " +
                                 std::to_string(rules.owner[square]) + " holds");
            }
            rules.putPiece(p, k, positions[k]);
            state.PieceSquares[p][k] = static_cast<int16_t>(positions[k]);
        }
    }
    for (int square = 0; square < SquareTotal; ++square) {
        state.SquareOwner[square] = rules.owner[square];
        state.SquareCount[square] = rules.count[square];
    }
    for (size_t n = 0; n < throws.size(); ++n) {
        state.DiceThrow[n + 1] = static_cast<int16_t>(throws[n]);
    }
    const int p = static_cast<int>(player);
    state.CurrentPlayer = static_cast<int16_t>(p);
    rules.current = static_cast<int8_t>(p);
    PrepareTurnMoves(state, rules, p, true);
    StrongResult strong;
    if (level != ComputerLevel::Standard && state.PossibleMoveCount >= 2) {
        const MoveDecision decision = MoveDecision::Of(state, p, seed);
        if (level == ComputerLevel::Easy) {
            state.ChosenMove = static_cast<int16_t>(ComputerLevels::EasyChoice(decision));
        } else {
            strong = StrongPlayer().think(decision);
            state.ChosenMove = static_cast<int16_t>(strong.choice);
        }
    }
    for (int n = 1; n <= state.PossibleMoveCount; ++n) {
        out << MoveEntryText(state, n) << '\n';
    }
    out << "ChosenMove " << state.ChosenMove << '\n';
    if (state.PossibleMoveCount >= 2) {
        for (int k = 0; k < 4; ++k) {
            out << "Options " << k << ':';
            for (int i = 1; i <= state.PieceOptionCount[k]; ++i) {
                out << ' ' << PieceOptionText(state.PieceOptions[k][i]);
            }
            out << '\n';
        }
    }
    for (const CandidateEstimate& estimate : strong.estimates) {
        out << "Estimate " << estimate.entry << ": mean-place " << std::fixed
            << std::setprecision(3) << estimate.meanPlace << " win " << estimate.winRate << '\n';
        out.unsetf(std::ios::fixed);
    }
    return 0;
}

} // namespace ruvo
