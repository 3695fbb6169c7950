// SPDX-License-Identifier: GPL-3.0-or-later
// ruvo-cli: the exact output of "moves", and "play" with its options, files and errors.
#include "CliRun.h"
#include "FileTestSupport.h"

#include "Version.h"
#include "cli/CliApp.h"
#include "cli/DrawsFile.h"
#include "files/SavedGameFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ruvo::test {
namespace {

const std::string Config = RUVO_SOURCE_DIR "/data/ruvo.cfg";

// The arguments of "moves" with the players' pieces at the given squares, by default in their
// yards.
std::vector<std::string> Moves(const std::string& player, const std::string& throws,
                               const std::string& first = "76,77,78,79",
                               const std::string& second = "80,81,82,83",
                               const std::string& third = "84,85,86,87") {
    return {"moves", player, throws, first, second, third, "88,89,90,91"};
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

TEST(CliMoves, WorkedExampleIsPrintedExactly) {
    const CliRun run = Cli(Moves("0", "6,2", "10,20,78,79"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Possible Unique Moves\n"
                       " 06  02  00  00 16  22  78  79\n"
                       " 02  06  00  00 12  26  78  79\n"
                       " 02  00  06  00 12  20  01  79\n"
                       " 00  02  06  00 10  22  01  79\n"
                       " 02  00  00  06 12  20  78  01\n"
                       " 00  02  00  06 10  22  78  01\n"
                       " 08  00  00  00 18  20  78  79\n"
                       " 00  08  00  00 10  28  78  79\n"
                       " 00  00  08  00 10  20  03  79\n"
                       " 00  00  00  08 10  20  78  03\n"
                       "ChosenMove 4\n"
                       "Options 0: 02,12 06,16 08,18\n"
                       "Options 1: 02,22 06,26 08,28\n"
                       "Options 2: 06,01 08,03\n"
                       "Options 3: 06,01 08,03\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliMoves, NoMoveAndPiecesWithoutOptions) {
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

// A bad argument: a line naming it, then the usage line.
void ExpectUsageError(const CliRun& run) {
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_EQ(run.out, "");
    const size_t firstEnd = run.err.find('\n');
    ASSERT_NE(firstEnd, std::string::npos) << run.err;
    EXPECT_EQ(run.err.rfind("ruvo-cli: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.substr(firstEnd + 1), CliApp::UsageLine()) << run.err;
}

TEST(CliMoves, BadArgumentsAreRefusedWithTheUsageLine) {
    const std::vector<std::vector<std::string>> bad = {Moves("4", "3"),
                                                       Moves("0", "7"),
                                                       Moves("0", "6,6,6,6"),
                                                       Moves("0", "3", "76,77,78"),
                                                       Moves("0", "3", "77,77,78,79"),
                                                       Moves("0", "3", "58,77,78,79"),
                                                       Moves("0", "3", "14,77,78,79", "1,81,82,83"),
                                                       Moves("0", "x"),
                                                       {"moves", "0", "3"},
                                                       {"dance"},
                                                       {}};
    for (const auto& args : bad) {
        ExpectUsageError(Cli(args));
    }
    EXPECT_NE(Cli(bad[6]).err.find("square 14"), std::string::npos);
}

TEST(CliPlay, DrawsFromAFileUntilTheyRunOut) {
    TempFolder folder;
    {
        std::ofstream draws(folder.File("draws"));
        draws << "3 3\n3\n   3\n";
    }
    const CliRun run = Cli({"play", "--config", Config, "--draws", folder.File("draws"), "--log"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(LogLines(run.out), (std::vector<std::string>{"1|Dice throw :  3     ", "1|No move",
                                                           "2|Dice throw :  3     ", "2|No move",
                                                           "6|Dice throw :  3     ", "6|No move",
                                                           "4|Dice throw :  3     ", "4|No move"}));
    EXPECT_NE(run.out.find("# draws exhausted\n"), std::string::npos);

    {
        std::ofstream draws(folder.File("bad"));
        draws << "1 2\n3 7\n";
    }
    const CliRun bad = Cli({"play", "--config", Config, "--draws", folder.File("bad")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find(folder.File("bad") + ", line 2"), std::string::npos) << bad.err;
}

TEST(CliPlay, SeededGamesFinishWithASummary) {
    const CliRun run = Cli({"play", "--config", Config, "--games", "20", "--seed", "9"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("# games 20\n"), std::string::npos);
    EXPECT_NE(run.out.find("# games/s "), std::string::npos);
    EXPECT_TRUE(LogLines(run.out).empty()) << "without --log only summary lines";
    const CliRun again = Cli({"play", "--config", Config, "--games", "20", "--seed", "9"});
    EXPECT_EQ(run.out.substr(0, run.out.find("# seconds")),
              again.out.substr(0, again.out.find("# seconds")));

    const CliRun logged =
        Cli({"play", "--config", Config, "--enabled", "0110", "--seed", "3", "--log"});
    const std::vector<std::string> lines = LogLines(logged.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2].substr(0, 15),
              lines[lines.size() - 2].substr(0, 2) + "FINISHED LAST");
    EXPECT_EQ(lines.back().substr(0, 16), "0|GAME ENDED IN ");
    for (const std::string& line : lines) {
        EXPECT_TRUE(line[0] == '0' || line[0] == '2' || line[0] == '6') << line;
    }
}

TEST(CliPlay, WithoutASettingsFileHereTheDefaultBesideTheProgramIsUsed) {
    TempFolder folder;
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    ::setenv("XDG_CONFIG_HOME", folder.File("config").c_str(), 1);
    const CliRun beside = Cli({"play", "--games", "2", "--seed", "3"}, RUVO_SOURCE_DIR "/data");
    const CliRun nowhere = Cli({"play", "--games", "2", "--seed", "3"}, folder.Path().string());
    std::filesystem::current_path(here);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(beside.status, 0) << beside.err;
    EXPECT_NE(beside.out.find("# games 2\n"), std::string::npos);
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_NE(nowhere.err.find("ruvo.cfg"), std::string::npos) << nowhere.err;
}

TEST(CliPlay, SaveAtATurnAndLoadToGoOn) {
    TempFolder folder;
    const std::string saved = folder.File("at40.ruv");
    const CliRun save = Cli(
        {"play", "--config", Config, "--seed", "12", "--turns", "40", "--save", saved, "--log"});
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_EQ(LogLines(save.out).back(), "0|GAME SAVED TO " + saved);
    const SavedGame game = SavedGameFile::Read(saved);
    EXPECT_EQ(game.CurrentPlayer, 3) << "forty turns: player 4 moved last";

    const CliRun load = Cli({"play", "--config", Config, "--seed", "1", "--load", saved, "--log"});
    EXPECT_EQ(load.status, 0) << load.err;
    const std::vector<std::string> lines = LogLines(load.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "0|GAME LOADED FROM " + saved);
    EXPECT_EQ(lines[1].substr(0, 15), "1|Dice throw : ");
    EXPECT_EQ(lines.back().substr(0, 16), "0|GAME ENDED IN ");
}

TEST(CliPlay, FilesAndOptionsThatCannotBeUsed) {
    TempFolder folder;
    {
        std::ofstream bad(folder.File("bad.ruv"));
        bad << "0\r\n31,1\r\n";
    }
    const std::vector<std::vector<std::string>> bad = {
        {"play", "--config", folder.File("missing.cfg")},
        {"play", "--config", Config, "--load", folder.File("bad.ruv")},
        {"play", "--config", Config, "--enabled", "1000"},
        {"play", "--config", Config, "--enabled", "11x1"},
        {"play", "--config", Config, "--games", "0"},
        {"play", "--config", Config, "--games", "99999999999"},
        {"play", "--config", Config, "--seed", "1", "--draws", "x"},
        {"play", "--config", Config, "--turns"},
        {"play", "--config", Config, "--save", "x.ruv"},
        {"play", "--config", Config, "--fast"},
        {"play", "--config", Config, "--log=yes"},
        {"play", "--config", Config, "extra"},
        {"--config", Config, "play"}};
    for (size_t i = 0; i < bad.size(); ++i) {
        const CliRun run = Cli(bad[i]);
        SCOPED_TRACE(bad[i].back());
        if (i < 2) { // a file that cannot be used: one line naming it
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        } else {
            ExpectUsageError(run);
        }
    }
    EXPECT_NE(Cli(bad[0]).err.find(folder.File("missing.cfg")), std::string::npos);
    EXPECT_NE(Cli(bad[1]).err.find("line 2"), std::string::npos) << Cli(bad[1]).err;

    // A failure is never a success nor a number wrapped round, and names the system's reason.
    WriteBytes(folder.File("huge"), "");
    std::filesystem::resize_file(folder.File("huge"), DrawsFile::Limit + 1);
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"play", "--config", Config, "--draws", folder.Path().string()}, "it is a folder"},
        {{"play", "--config", Config, "--draws", folder.File("none")}, "No such file or directory"},
        {{"play", "--config", Config, "--draws", folder.File("huge")}, "more than 16 MB"},
        {{"play", "--config", Config, "--seed", "1", "--turns", "1", "--save",
          folder.File("none/x.ruv")},
         "x.ruv: cannot be written: No such file or directory"},
        {{"play", "--config", Config, "--seed", "99999999999999999999"}, "is out of range"},
        {{"play", "--config", Config, "--games", "4294967297"}, "must be 1 to 1000000000"},
        {Moves("4294967296", "6"), "'4294967296' is out of range: it must be 0 to 3"},
        {Moves("0", "4294967299"), "must be 1 to 6"},
        {Moves("0", "6", "4294967372,77,78,79"), "'4294967372' is out of range"}};
    for (const auto& [args, reason] : refused) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << reason;
        const size_t firstEnd = run.err.find('\n') + 1;
        EXPECT_NE(run.err.substr(0, firstEnd).find(reason), std::string::npos) << run.err;
        const std::string rest = run.err.substr(firstEnd);
        EXPECT_TRUE(rest.empty() || rest == CliApp::UsageLine()) << run.err;
    }
}

// Runs the tool in folder, which it may not search (as another user when run as the superuser,
// who may search any folder): its status and what it wrote to stderr.
CliRun CliInUnsearchableFolder(const TempFolder& folder) {
    int pipeEnds[2];
    EXPECT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], 2);
        if (chdir(folder.Path().c_str()) != 0 || chmod(folder.Path().c_str(), 0) != 0 ||
            (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))) {
            _exit(126);
        }
        execl(RUVO_CLI_PATH, "ruvo-cli", "play", "--games", "1", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    CliRun run;
    char buffer[4096];
    for (ssize_t got = 0; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        run.err.append(buffer, static_cast<size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

TEST(CliPlay, AFolderThatCannotBeSearchedEndsWithOneLine) {
    TempFolder folder;
    // A settings file that is a link to itself cannot even be looked at.
    std::filesystem::create_symlink("ruvo.cfg", folder.File("ruvo.cfg"));
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const CliRun loop = Cli({"play", "--games", "1"}, RUVO_SOURCE_DIR "/data");
    std::filesystem::current_path(here);
    EXPECT_EQ(loop.status, 2);
    EXPECT_EQ(loop.err, "ruvo-cli: ruvo.cfg: cannot be looked for: Too many levels of symbolic "
                        "links\n");

    const CliRun run = CliInUnsearchableFolder(folder);
    if (run.status == 126 || run.status == 127) {
        GTEST_SKIP() << "the tool cannot be started by another user from here";
    }
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.err, "ruvo-cli: ruvo.cfg: cannot be looked for: Permission denied\n");
}

TEST(Cli, HelpVersionAndOptionsWithEquals) {
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: ruvo-cli moves", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--enabled FLAGS"), std::string::npos);
    EXPECT_EQ(Cli({"-h"}).out, help.out);
    const CliRun version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("ruvo-cli ") + Version + "\n");

    const CliRun spaced = Cli({"play", "--config", Config, "--seed", "4", "--games", "2", "--log"});
    const CliRun equals = Cli({"play", "--config=" + Config, "--seed=4", "--games=2", "--log"});
    EXPECT_EQ(equals.status, 0) << equals.err;
    EXPECT_GT(LogLines(equals.out).size(), 100u);
    EXPECT_EQ(LogLines(equals.out), LogLines(spaced.out));
    EXPECT_NE(equals.out.find("# games 2\n"), std::string::npos);
}

} // namespace
} // namespace ruvo::test
