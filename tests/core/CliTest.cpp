// SPDX-License-Identifier: GPL-3.0-or-later
// ruvo-cli: the exact output of "moves", and "play" with its options, files, computer levels and
// errors.
#include "FileTestSupport.h"

#include "Version.h"
#include "cli/CliApp.h"
#include "cli/DrawsFile.h"
#include "files/SavedGameFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace ruvo::test {
namespace {

const std::string Config = RUVO_SOURCE_DIR "/data/ruvo.cfg";

// ruvo-cli run in the test process: its status and what it wrote.
struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args, const std::string& programFolder = "") {
    std::ostringstream out;
    std::ostringstream err;
    const int status = CliApp::Run(args, out, err, programFolder);
    return {status, out.str(), err.str()};
}

// "moves" with the players' pieces at the given squares, by default in their yards.
std::vector<std::string> Moves(const std::string& player, const std::string& throws,
                               const std::string& first = "76,77,78,79",
                               const std::string& second = "80,81,82,83",
                               const std::string& third = "84,85,86,87") {
    return {"moves", player, throws, first, second, third, "88,89,90,91"};
}

// "play --config" the default settings file, then options.
std::vector<std::string> Play(std::initializer_list<std::string> options) {
    std::vector<std::string> args{"play", "--config", Config};
    args.insert(args.end(), options);
    return args;
}

// The lines of a text that do not start with "# ".
std::vector<std::string> LogLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("# ")) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The output up to the summary lines that hold times (the thinking times come last).
std::string WithoutTimes(const std::string& text) {
    return text.substr(0, text.find("# seconds"));
}

TEST(CliMoves, ListsArePrintedExactly) {
    const CliRun run = Cli(Moves("0", "6,2", "10,20,78,79"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ReadBytes(RUVO_SOURCE_DIR "/tests/core/moves-worked-list.txt"));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Cli(Moves("1", "3")).out, "Possible Unique Moves\nChosenMove -1\n");
    EXPECT_EQ(Cli(Moves("2", "5", "76,77,78,79", "80,81,82,83", "30,85,86,87")).out,
              "Possible Unique Moves\n"
              " 05  00  00  00 35  85  86  87\n"
              "ChosenMove 2\n"
              "Options 0: 05,35\n"
              "Options 1:\n"
              "Options 2:\n"
              "Options 3:\n");
}

TEST(CliPlay, DrawsFromAFileUntilTheyRunOut) {
    TempFolder folder;
    WriteBytes(folder.File("draws"), "3 3\n3\n   3\n");
    const CliRun run = Cli(Play({"--draws", folder.File("draws"), "--log"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(LogLines(run.out), (std::vector<std::string>{"1|Dice throw :  3     ", "1|No move",
                                                           "2|Dice throw :  3     ", "2|No move",
                                                           "6|Dice throw :  3     ", "6|No move",
                                                           "4|Dice throw :  3     ", "4|No move"}));
    EXPECT_NE(run.out.find("# draws exhausted\n"), std::string::npos);
}

TEST(CliPlay, SeededGamesFinishWithASummary) {
    const CliRun run = Cli(Play({"--games", "20", "--seed", "9"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("# games 20\n"), std::string::npos);
    EXPECT_NE(run.out.find("# games/s "), std::string::npos);
    EXPECT_TRUE(LogLines(run.out).empty()) << "without --log only summary lines";
    const CliRun logged = Cli(Play({"--enabled", "0110", "--seed", "3", "--log"}));
    const std::vector<std::string> lines = LogLines(logged.out);
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines) {
        EXPECT_TRUE(line[0] == '0' || line[0] == '2' || line[0] == '6') << line;
    }
}

TEST(CliPlay, SettingsFromHereElseBesideTheProgram) {
    TempFolder folder;
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    ::setenv("XDG_CONFIG_HOME", folder.File("config").c_str(), 1);
    const CliRun beside = Cli({"play", "--games", "2", "--seed", "3"}, RUVO_SOURCE_DIR "/data");
    const CliRun nowhere = Cli({"play", "--games", "2", "--seed", "3"}, folder.Path().string());
    // A link to itself here: the system refuses to look, as in a folder that may not be searched.
    std::filesystem::create_symlink("ruvo.cfg", folder.File("ruvo.cfg"));
    const CliRun loop = Cli({"play", "--games", "1"}, RUVO_SOURCE_DIR "/data");
    std::filesystem::current_path(here);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(beside.status, 0) << beside.err;
    EXPECT_NE(beside.out.find("# games 2\n"), std::string::npos);
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_NE(nowhere.err.find("ruvo.cfg"), std::string::npos) << nowhere.err;
    EXPECT_EQ(loop.status, 2);
    EXPECT_EQ(loop.err, "ruvo-cli: ruvo.cfg: cannot be looked for: Too many levels of symbolic "
                        "links\n");
}

TEST(CliPlay, SaveAtATurnAndLoadToGoOn) {
    TempFolder folder;
    const std::string saved = folder.File("at40.ruv");
    const CliRun save = Cli(Play({"--seed", "12", "--turns", "40", "--save", saved, "--log"}));
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_EQ(LogLines(save.out).back(), "0|GAME SAVED TO " + saved);
    EXPECT_EQ(SavedGameFile::Read(saved).CurrentPlayer, 3) << "forty turns: player 4 moved last";
    const CliRun load = Cli(Play({"--seed", "1", "--load", saved, "--log"}));
    EXPECT_EQ(load.status, 0) << load.err;
    const std::vector<std::string> lines = LogLines(load.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "0|GAME LOADED FROM " + saved);
    EXPECT_EQ(lines[1].substr(0, 15), "1|Dice throw : ");
    EXPECT_EQ(lines.back().substr(0, 16), "0|GAME ENDED IN ");
}

TEST(Cli, RefusalsEndWithOneLineNamingTheFault) {
    TempFolder folder;
    WriteBytes(folder.File("bad.ruv"), "0\r\n31,1\r\n");
    WriteBytes(folder.File("bad"), "1 2\n3 7\n");
    WriteBytes(folder.File("huge"), "");
    std::filesystem::resize_file(folder.File("huge"), DrawsFile::Limit + 1);
    // Numbers beyond 32 bits are refused, never wrapped round to a number that is allowed.
    const std::vector<std::pair<std::vector<std::string>, std::string>> badArguments = {
        {Moves("4", "3"), "PLAYER: '4' is out of range: it must be 0 to 3"},
        {Moves("4294967296", "6"), "PLAYER: '4294967296' is out of range"},
        {Moves("0", "7"), "THROWS: '7' is out of range: it must be 1 to 6"},
        {Moves("0", "4294967299"), "THROWS: '4294967299' is out of range"},
        {Moves("0", "6,6,6,6"), "THROWS: '6,6,6,6' must hold 1 to 3 values"},
        {Moves("0", "x"), "THROWS: 'x' is not a number"},
        {Moves("0", "3", "76,77,78"), "POS0: '76,77,78' must hold 4 values"},
        {Moves("0", "3", "77,77,78,79"),
         "POS0: piece 0 at 77 is neither a path position 1..57 nor its own yard square 76"},
        {Moves("0", "3", "58,77,78,79"), "POS0: piece 0 at 58 is neither"},
        {Moves("0", "3", "14,77,78,79", "1,81,82,83"),
         "POS1: piece 0 stands on square 14, which player 0 holds"},
        {Moves("0", "6", "4294967372,77,78,79"), "POS0: '4294967372' is out of range"},
        {{"moves", "0", "3"}, "moves takes PLAYER THROWS POS0 POS1 POS2 POS3"},
        {{"moves", "--computer", "hard"},
         "--computer: 'hard' is not a level (easy, standard, strong)"},
        {{"dance"}, "unknown command 'dance'"},
        {{}, "no command given"},
        {Play({"--enabled", "1000"}), "--enabled: '1000' must enable at least two players"},
        {Play({"--enabled", "11x1"}), "--enabled: '11x1' must be four digits 0 or 1"},
        {Play({"--games", "0"}), "--games: '0' is out of range: it must be 1 to 1000000000"},
        {Play({"--games", "4294967297"}), "--games: '4294967297' is out of range"},
        {Play({"--seed", "99999999999999999999"}), "it must be 0 to 9223372036854775807"},
        {Play({"--seed", "1", "--draws", "x"}), "--seed and --draws cannot be used together"},
        {Play({"--turns"}), "--turns needs a value"},
        {Play({"--save", "x.ruv"}), "--save needs --turns"},
        {Play({"--fast"}), "unknown option '--fast'"},
        {Play({"--log=yes"}), "--log takes no value"},
        {Play({"extra"}), "unexpected argument 'extra'"},
        {Play({"--computer", "easy,standard,strong"}),
         "--computer: 'easy,standard,strong' must be four level names separated by commas"},
        {Play({"--computer", "easy,standard,strong,easy,easy"}), "must be four level names"},
        {Play({"--computer", "strong,,easy,easy"}), "--computer: '' is not a level"},
        {{"--config", Config, "play"}, "unknown option '--config'"}};
    // A file that cannot be used: the line names it and the system's reason, no usage line.
    const std::vector<std::pair<std::vector<std::string>, std::string>> badFiles = {
        {{"play", "--config", folder.File("missing.cfg")},
         folder.File("missing.cfg") + ": cannot be opened: No such file or directory"},
        {Play({"--load", folder.File("bad.ruv")}),
         folder.File("bad.ruv") + ", line 2: the speed factor must be 1..30, not 31"},
        {Play({"--draws", folder.File("bad")}),
         folder.File("bad") + ", line 2: \"7\" is not a draw: draws are 1 to 6"},
        {Play({"--draws", folder.Path().string()}),
         "cannot be opened: it is a folder, not a regular file"},
        {Play({"--draws", folder.File("none")}),
         "none: cannot be opened: No such file or directory"},
        {Play({"--draws", folder.File("huge")}),
         "huge: is too large: it holds more than 16 MB, the most a file of this kind may hold"},
        {Play({"--seed", "1", "--turns", "1", "--save", folder.File("none/x.ruv")}),
         "x.ruv: cannot be written: No such file or directory"}};
    for (const bool usage : {true, false}) {
        for (const auto& [args, reason] : usage ? badArguments : badFiles) {
            const CliRun run = Cli(args);
            EXPECT_EQ(run.status, 2) << reason;
            EXPECT_EQ(run.out, "");
            const size_t firstEnd = run.err.find('\n') + 1;
            EXPECT_EQ(run.err.rfind("ruvo-cli: ", 0), 0u) << run.err;
            EXPECT_NE(run.err.substr(0, firstEnd).find(reason), std::string::npos) << run.err;
            EXPECT_EQ(run.err.substr(firstEnd), usage ? CliApp::UsageLine() : "") << run.err;
        }
    }
}

TEST(Cli, HelpAndVersion) {
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: ruvo-cli moves", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--enabled FLAGS"), std::string::npos);
    EXPECT_EQ(Cli({"-h"}).out, help.out);
    const CliRun version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("ruvo-cli ") + Version + "\n");
}

TEST(CliComputer, PlayWithLevels) {
    const auto with = [](const std::string& levels) {
        return Cli(Play({"--seed", "8", "--games", "2", "--log", "--computer", levels}));
    };
    // Standard players play today's games exactly, the options written either way.
    const CliRun plain = Cli({"play", "--config=" + Config, "--seed=8", "--games=2", "--log"});
    const CliRun standard = with("standard,standard,standard,standard");
    EXPECT_EQ(WithoutTimes(standard.out), WithoutTimes(plain.out));
    EXPECT_EQ(standard.out.find("# think-ms"), std::string::npos);
    const CliRun mixed = with("easy,standard,strong,standard");
    ASSERT_EQ(mixed.status, 0) << mixed.err;
    EXPECT_NE(WithoutTimes(mixed.out), WithoutTimes(plain.out));
    // The same levels named in any case play the same games.
    EXPECT_EQ(WithoutTimes(with("EASY,Standard,strong,STANDARD").out), WithoutTimes(mixed.out));
    EXPECT_NE(mixed.out.find("# think-ms player 1: mean "), std::string::npos);
    EXPECT_NE(mixed.out.find("# think-ms player 3: mean "), std::string::npos);
    EXPECT_EQ(mixed.out.find("# think-ms player 2"), std::string::npos);
}

TEST(CliComputer, MovesWithALevel) {
    // Two pieces on one square: entries that differ only in which of them moves are one
    // candidate, estimated once.
    const auto moves = [](std::initializer_list<std::string> options) {
        std::vector<std::string> args = Moves("0", "6,5", "10,10,78,79");
        args.insert(args.end(), options);
        return Cli(args);
    };
    const CliRun standard = moves({});
    EXPECT_EQ(moves({"--computer", "standard"}).out, standard.out);
    const CliRun strong = moves({"--computer=strong", "--seed", "3"});
    ASSERT_EQ(strong.status, 0) << strong.err;
    EXPECT_EQ(moves({"--computer", "strong", "--seed=3"}).out, strong.out);
    EXPECT_EQ(strong.out.substr(0, strong.out.find("ChosenMove")),
              standard.out.substr(0, standard.out.find("ChosenMove")));
    std::istringstream lines(strong.out);
    std::vector<std::string> estimated;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Estimate ")) {
            estimated.push_back(line.substr(9, line.find(':') - 9));
            EXPECT_NE(line.find(": mean-place "), std::string::npos) << line;
            EXPECT_NE(line.find(" win 0."), std::string::npos) << line;
        }
    }
    EXPECT_EQ(estimated, (std::vector<std::string>{"2", "4", "6", "8", "10", "11"}));
    EXPECT_EQ(moves({"--computer", "easy"}).out.find("Estimate"), std::string::npos);
}

} // namespace
} // namespace ruvo::test
