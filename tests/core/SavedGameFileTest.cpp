// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SavedGameFile.h"

#include "files/FileError.h"
#include "files/SettingsFile.h"
#include "files/Text.h"
#include "rules/BoardGeometry.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <map>
#include <sys/resource.h>

namespace ruvo {
namespace {

using test::ExpectFault;
using test::WithLine;

// A game whose squares follow from the given piece positions, with the square records of
// the default settings file marked with each square's owner and count.
SavedGame GameWith(const std::array<std::string, 4>& pieces) {
    static const Settings settings =
        SettingsFile::Load(std::string(RUVO_SOURCE_DIR) + "/data/ruvo.cfg");
    SavedGame game;
    game.CurrentPlayer = 2;
    game.SpeedFactor = 20;
    game.SoundOn = 1;
    game.PlayerType = {"H", "C", "C", "C"};
    game.PlayerEnabled = {1, 1, 1, 1};
    game.PlayerPaused = {0, 0, 1, 0};
    game.PieceSquares = pieces;
    std::map<int, SavedSquare> occupied;
    for (int player = 0; player < 4; ++player) {
        for (int piece = 0; piece < 4; ++piece) {
            const int position = static_cast<int>(Val(pieces[player].substr(3 * piece, 2)));
            SavedSquare& square = occupied[BoardSquare(player, position)];
            square.Square = static_cast<int16_t>(BoardSquare(player, position));
            square.Owner = static_cast<int16_t>(player);
            ++square.Count;
        }
    }
    for (auto& [number, square] : occupied) {
        square.Record = settings.SquareRecords[number];
        square.Record.replace(1, 2, DieText(square.Owner) + DieText(square.Count));
        game.Squares.push_back(square);
    }
    return game;
}

SavedGame FreshGame() {
    return GameWith({InitialPieceSquares(0), InitialPieceSquares(1), InitialPieceSquares(2),
                     InitialPieceSquares(3)});
}

// Pieces stacked, at home, on the track, in the home column and in the yards.
SavedGame MidGame() {
    return GameWith({"10,10,57,79", "80,05,57,83", "84,85,86,87", "50,89,90,57"});
}

SavedGame ParseBytes(const std::string& bytes) {
    return SavedGameFile::Parse("game.ruv", bytes);
}

// The written form holds every field and square record.
void ExpectSameGame(const SavedGame& a, const SavedGame& b) {
    EXPECT_EQ(SavedGameFile::Format(a), SavedGameFile::Format(b));
}

TEST(SavedGameFile, FreshFourPlayerGameIsTwentyFiveLines) {
    const std::string bytes = SavedGameFile::Format(FreshGame());
    const std::vector<std::string> lines = test::SplitLines(bytes);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(test::FirstLines(bytes, 8),
              "2\r\n20,1\r\n\"H\",\"C\",\"C\",\"C\"\r\n1,1,1,1\r\n0,0,1,0\r\n"
              "\"76,77,78,79\"\r\n\"80,81,82,83\"\r\n\"84,85,86,87\"\r\n");
    EXPECT_EQ(lines[8], "\"88,89,90,91\"");
    EXPECT_EQ(lines[9], "76,0,1,\"Y0176000000\"");
    EXPECT_EQ(lines[14], "81,1,1,\"Y1100810000\"");
    EXPECT_EQ(lines[24], "91,3,1,\"Y3100000091\"");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    ExpectSameGame(ParseBytes(bytes), FreshGame());
}

TEST(SavedGameFile, MidGameRoundTripsByteForByte) {
    SavedGame game = MidGame();
    game.CurrentPlayer = -1;
    game.SpeedFactor = 1;
    game.SoundOn = 0;
    game.PlayerType = {"C", "H", "C", "H"};
    game.PlayerEnabled = {1, 0, 1, 1};
    game.PlayerPaused = {1, 0, 0, 1};
    const std::string bytes = SavedGameFile::Format(game);
    const SavedGame back = ParseBytes(bytes);
    EXPECT_EQ(SavedGameFile::Format(back), bytes);
    EXPECT_EQ(back.Squares.size(), 15u);
    EXPECT_EQ(test::SplitLines(bytes)[9], "10,0,2,\"T0210493623\"");
    EXPECT_EQ(test::SplitLines(bytes)[10], "18,1,1,\"T1118054431\"");

    // Records handed over out of order are written in ascending square order.
    std::reverse(game.Squares.begin(), game.Squares.end());
    EXPECT_EQ(SavedGameFile::Format(game), bytes);
}

TEST(SavedGameFile, ReadsWhatDelimitedReadsAcceptAndStopsAfterTheLastRecord) {
    const std::string bytes = SavedGameFile::Format(MidGame());
    std::string lfOnly = bytes;
    std::erase(lfOnly, '\r');
    ExpectSameGame(ParseBytes(lfOnly), MidGame());
    ExpectSameGame(ParseBytes(bytes + "anything at all\r\n\"unterminated"), MidGame());
    ExpectSameGame(ParseBytes(WithLine(bytes, 10, "10,0\r\n2,\"T0210493623\"")), MidGame());
}

TEST(SavedGameFile, RefusesEveryKindOfBadGame) {
    const std::string fresh = SavedGameFile::Format(FreshGame());
    const std::string mid = SavedGameFile::Format(MidGame());
    const auto parse = [](std::string bytes) { return [bytes] { ParseBytes(bytes); }; };
    ExpectFault([] { SavedGameFile::Read("/nonexistent/game.ruv"); }, 0, "cannot be opened");
    ExpectFault(parse(""), 1, "the file ends early, before the current player");
    ExpectFault(parse(test::FirstLines(fresh, 6)), 7,
                "the file ends early, before player 2's piece positions");
    ExpectFault(parse(test::FirstLines(fresh, 15)), 16, "ends early, before the square number");
    // One line of the fresh game changed: the fault is named on that line.
    const struct {
        int line;
        const char* text;
        const char* fault;
    } changed[] = {
        {1, "4", "the current player must be -1..3, not 4"},
        {1, "x", "text where a number belongs"},
        {2, "0,1", "the speed factor must be 1..30, not 0"},
        {2, "31,1", "the speed factor must be 1..30, not 31"},
        {2, "20,2", "the sound flag must be 0 or 1"},
        {3, "\"H\",\"\",\"C\",\"C\"", "player 2's type"},
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
        {10, "92,0,1,\"Y0176000000\"", "must be that of square 76, not 92"},
        {10, "-1,0,1,\"Y0176000000\"", "must be that of square 76, not -1"},
        {10, "76,\"0\",1,\"Y0176000000\"",
         "quoted text where a number belongs (the owner of square 76)"},
        {10, "76,1,1,\"Y0176000000\"", "the owner of square 76 must be 0, not 1"},
        {10, "76,0,2,\"Y0176000000\"", "the piece count of square 76 must be 1, not 2"},
        {10, "76,0,1,\"Y017600000\"", "the record of square 76 is shorter than 11 characters"},
        {10, "76,0,1,\"Y1176000000\"",
         "the record of square 76 must hold \"01\" in characters 2 and 3"},
        {10, "76,0,1,\"Y0276000000\"", "must hold \"01\" in characters 2 and 3"},
        {10, "76,0,1,\"Y0177000000\"", "player 1's path position as 76"},
    };
    for (const auto& [line, text, fault] : changed) {
        ExpectFault(parse(WithLine(fresh, line, text)), line, fault);
    }
    ExpectFault(parse(WithLine(WithLine(fresh, 6, "\"14,77,78,79\""), 7, "\"80,01,82,83\"")), 7,
                "pieces of player 1 and player 2 both stand on square 14");
    // Another player's field matters too: its pieces may land there later.
    ExpectFault(parse(WithLine(mid, 10, "10,0,2,\"T0210003623\"")), 10,
                "square 10 must give player 2's path position as 49");
    ExpectFault(parse(WithLine(mid, 10, "10,0,2,\"T0210493623")), 10, "no closing quote");
}

TEST(SavedGameFile, WriteReplacesTheFileWholeOrLeavesItIntact) {
    test::TempFolder folder;
    const std::string path = folder.File("game.ruv");
    test::WriteBytes(path, std::string(5000, 'x'));
    SavedGameFile::Write(path, FreshGame());
    ExpectSameGame(SavedGameFile::Read(path), FreshGame());
    const std::string old = SavedGameFile::Format(FreshGame());
    EXPECT_EQ(test::ReadBytes(path), old);

    // A file size limit makes every write past 100 bytes fail, even for the superuser.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    bool threw = false;
    try {
        SavedGameFile::Write(path, MidGame());
    } catch (const FileError& error) {
        threw = true;
        EXPECT_EQ(error.file(), path);
        EXPECT_NE(error.fault().find("cannot be written"), std::string::npos) << error.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(threw);
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);

    ExpectFault([&] { SavedGameFile::Write(folder.File("missing/game.ruv"), MidGame()); }, 0,
                "cannot be written");
    std::filesystem::create_directory(folder.File("folder.ruv"));
    ExpectFault([&] { SavedGameFile::Write(folder.File("folder.ruv"), MidGame()); }, 0,
                "cannot be written");
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("folder.ruv")));

    // Without the superuser's rights a read-only folder refuses the write as well.
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    std::FILE* probe = std::fopen(folder.File("probe").c_str(), "wb");
    if (probe != nullptr) {
        std::fclose(probe);
    } else {
        ExpectFault([&] { SavedGameFile::Write(path, MidGame()); }, 0, "cannot be written");
        EXPECT_EQ(test::ReadBytes(path), old);
    }
}

} // namespace
} // namespace ruvo
