// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SavedGameFile.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace ruvo {
namespace {

using test::ExpectFault;
using test::FreshGame;
using test::MidGame;
using test::WithLine;

SavedGame ParseBytes(const std::string& bytes) {
    return SavedGameFile::Parse("game.ruv", bytes);
}

TEST(SavedGameFile, GamesAreWrittenAsReadWithSquaresInOrder) {
    const std::string fresh = test::ReadBytes(FreshGame);
    EXPECT_EQ(SavedGameFile::Format(SavedGameFile::Read(FreshGame)), fresh);
    EXPECT_EQ(SavedGameFile::Format(ParseBytes(WithLine(fresh, 1, "-1"))),
              WithLine(fresh, 1, "-1"));

    const std::string mid = test::ReadBytes(MidGame);
    SavedGame game = SavedGameFile::Read(MidGame);
    ASSERT_EQ(game.Squares.size(), 15u);
    EXPECT_EQ(SavedGameFile::Format(game), mid);
    EXPECT_TRUE(std::is_sorted(game.Squares.begin(), game.Squares.end(),
                               [](const auto& a, const auto& b) { return a.Square < b.Square; }));
    std::reverse(game.Squares.begin(), game.Squares.end());
    EXPECT_EQ(SavedGameFile::Format(game), mid);
    // Reading stops after the last square record.
    EXPECT_EQ(SavedGameFile::Format(ParseBytes(mid + "anything at all\r\n\"unterminated")), mid);
}

TEST(SavedGameFile, RefusesEveryKindOfBadGame) {
    const std::string fresh = test::ReadBytes(FreshGame);
    const auto parse = [](std::string bytes) { return [bytes] { ParseBytes(bytes); }; };
    ExpectFault(parse(""), 1, "the file ends early, before the current player");
    ExpectFault(parse(test::FirstLines(fresh, 6)), 7,
                "the file ends early, before player 2's piece positions");
    ExpectFault(parse(test::FirstLines(fresh, 15)), 16, "ends early, before the square number");
    const struct {
        int line;
        const char* text;
        const char* fault;
    } changed[] = {
        {1, "4", "the current player must be -1..3, not 4"},
        {2, "0,1", "the speed factor must be 1..30, not 0"},
        {2, "20,2", "the sound flag must be 0 or 1"},
        {3, "\"\xC9\x07\",\"C\",\"C\",\"C\"",
         "player 1's type must be \"H\" or \"C\", not \"\\xC9\\x07\""},
        {4, "0,0,1,0", "at least two players must be enabled"},
        {5, "0,0,2,0", "player 3's pause flag must be 0 or 1"},
        {6, "\"76,77,78\"", "must read dd,dd,dd,dd"},
        {6, "\"76,77,78, 9\"", "must read dd,dd,dd,dd"},
        {6, "\"76,77,78,80\"", "piece 4 of player 1 cannot stand at 80"},
        {7, "\"00,81,82,83\"", "piece 1 of player 2 cannot stand at 0"},
        {9, "\"88,89,58,91\"", "piece 3 of player 4 cannot stand at 58"},
        {10, "77,0,1,\"Y0176000000\"", "the next record must be that of square 76, not 77"},
        {10, "76,\"0\",1,\"Y0176000000\"",
         "quoted text where a number belongs (the owner of square 76)"},
        {10, "76,1,1,\"Y0176000000\"", "the owner of square 76 must be 0, not 1"},
        {10, "76,0,2,\"Y0176000000\"", "the piece count of square 76 must be 1, not 2"},
        {10, "76,0,1,\"Y017600000\"", "the record of square 76 is shorter than 11 characters"},
        {10, "76,0,1,\"Y1176000000\"",
         "the record of square 76 must hold \"01\" in characters 2 and 3"},
        {10, "76,0,1,\"Y0177000000\"", "player 1's path position as 76"},
    };
    for (const auto& [line, text, fault] : changed) {
        ExpectFault(parse(WithLine(fresh, line, text)), line, fault);
    }
    ExpectFault(parse(WithLine(WithLine(fresh, 6, "\"14,77,78,79\""), 7, "\"80,01,82,83\"")), 7,
                "pieces of player 1 and player 2 both stand on square 14");
    // Another player's field matters too: its pieces may land there later.
    const std::string mid = SavedGameFile::Format(SavedGameFile::Read(MidGame));
    ExpectFault(parse(WithLine(mid, 10, "10,0,2,\"T0210003623\"")), 10,
                "square 10 must give player 2's path position as 49");
}

TEST(SavedGameFile, WriteReplacesTheFileWholeOrLeavesItIntact) {
    test::TempFolder folder;
    const std::string path = folder.File("game.ruv");
    const std::string old = test::ReadBytes(FreshGame);
    const SavedGame mid = SavedGameFile::Read(MidGame);
    test::WriteBytes(path, std::string(5000, 'x'));
    SavedGameFile::Write(path, SavedGameFile::Read(FreshGame));
    EXPECT_EQ(test::ReadBytes(path), old);

    // A file size limit makes every write past 100 bytes fail, even for the superuser.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    ExpectFault([&] { SavedGameFile::Write(path, mid); }, 0, "cannot be written");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);

    // Without the superuser's rights a read-only folder refuses the write as well.
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    std::FILE* probe = std::fopen(folder.File("probe").c_str(), "wb");
    if (probe != nullptr) {
        std::fclose(probe);
    } else {
        ExpectFault([&] { SavedGameFile::Write(path, mid); }, 0, "cannot be written");
        EXPECT_EQ(test::ReadBytes(path), old);
    }
}

} // namespace
} // namespace ruvo
