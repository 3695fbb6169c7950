// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SettingsFile.h"

#include "files/FileError.h"
#include "rules/BoardGeometry.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

namespace ruvo {
namespace {

using test::ExpectFault;
using test::SplitLines;
using test::WithLine;

constexpr int FirstGridLine = 8;    // grid row r is on line 7 + r
constexpr int FirstRecordLine = 23; // square record i is on line 23 + i

std::string DefaultBytes() {
    return test::ReadBytes(test::ShippedSettings);
}

Settings ParseBytes(const std::string& bytes) {
    return SettingsFile::Parse("ruvo.cfg", bytes);
}

// The default file with the grid cell of (column, row) replaced by two characters.
std::string WithCell(int column, int row, const std::string& cell) {
    const std::string bytes = DefaultBytes();
    const int line = FirstGridLine - 1 + row;
    std::string text = SplitLines(bytes).at(static_cast<size_t>(line - 1));
    text.replace(static_cast<size_t>(2 * column), 2, cell);
    return WithLine(bytes, line, text);
}

std::pair<int, int> Cell(const Settings& settings, int square) {
    return {settings.SquareCol[square], settings.SquareRow[square]};
}

std::string WithRecord(int square, const std::string& record) {
    return WithLine(DefaultBytes(), FirstRecordLine + square, record);
}

// The records' path positions are checked by the reading itself, the cells here.
TEST(SettingsFile, DefaultFileLoadsAndCarriesEveryPlayerAlongItsPath) {
    const Settings settings = SettingsFile::Load(test::ShippedSettings);
    EXPECT_EQ(settings.SpeedFactor, 28);
    EXPECT_EQ(settings.SoundOn, 1);
    EXPECT_EQ(settings.PlayerType, (std::array<std::string, 4>{"H", "C", "C", "C"}));
    EXPECT_EQ(settings.PlayerEnabled, (std::array<int16_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(settings.PlayerPaused, (std::array<int16_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(DefaultBytes().find('\n'), DefaultBytes().find("\r\n") + 1);

    std::set<std::pair<int, int>> cells;
    for (int square = 0; square < SquareTotal; ++square) {
        cells.insert(Cell(settings, square));
    }
    EXPECT_EQ(cells.size(), static_cast<size_t>(SquareTotal));
    for (int player = 0; player < 4; ++player) {
        for (int position = 2; position <= HomePosition; ++position) {
            const auto [column, row] = Cell(settings, BoardSquare(player, position));
            const auto [lastColumn, lastRow] = Cell(settings, BoardSquare(player, position - 1));
            EXPECT_LE(std::abs(column - lastColumn), 1);
            EXPECT_LE(std::abs(row - lastRow), 1);
        }
    }
}

TEST(SettingsFile, SpeedOutsideOneToThirtyBecomesThirty) {
    for (const auto& [text, speed] :
         std::vector<std::pair<std::string, int>>{{"0", 30}, {"1", 1}, {"30", 30}, {"31", 30}}) {
        const Settings settings =
            ParseBytes(WithLine(DefaultBytes(), 1, "\"Speed Factor\"," + text + ",0"));
        EXPECT_EQ(settings.SpeedFactor, speed) << text;
        EXPECT_EQ(settings.SoundOn, 0);
    }
}

TEST(SettingsFile, GridCellsMapToSquaresAndSquareZeroStaysAtColumnOneRowSeven) {
    // Square 0's own cell blanked: blank cells are square 0 and the last one wins, but
    // square 0 still ends at (1, 7).
    EXPECT_EQ(Cell(ParseBytes(WithCell(1, 7, "  ")), 0), std::make_pair(1, 7));
    EXPECT_EQ(Cell(ParseBytes(WithCell(15, 15, "00")), 0), std::make_pair(1, 7));
    // A leading zero, and a square given twice: the later cell counts.
    EXPECT_EQ(Cell(ParseBytes(WithCell(6, 7, "05")), 5), std::make_pair(6, 7));
    EXPECT_EQ(Cell(ParseBytes(WithCell(15, 15, " 5")), 5), std::make_pair(15, 15));
}

TEST(SettingsFile, RefusesEveryKindOfBadFile) {
    const std::string good = DefaultBytes();
    const auto parse = [](std::string bytes) { return [bytes] { ParseBytes(bytes); }; };
    ExpectFault(parse(""), 1, "ends early");
    ExpectFault(parse(test::FirstLines(good, 14)), 15, "ends early, before grid row 8");
    ExpectFault(parse(test::FirstLines(good, 122)), 123, "ends early, before square record 100");
    const struct {
        int line;
        const char* text;
        int faultLine;
        const char* fault;
    } changed[] = {
        {1, "\"Speed Factor\",fast,1", 1, "text where a number belongs (the speed factor)"},
        {1, "\"Speed Factor\",20,2", 1, "sound flag must be 0 or 1"},
        {1, "\"Speed Factor\",20", 2, "text where a number belongs (the sound flag)"},
        {1, "\"Speed Factor\",20,1,1", 1,
         "line 1 must hold the speed factor record and nothing else"},
        {3, "\"Player Enabled\",1,0,0,0", 3, "at least two players must be enabled"},
        {3, "\"Player Enabled\",1,1,-1,1", 3, "player 3's enabled flag must be 0 or 1"},
        {4, "\"Player Pause\",0,0,0,0,\"x\"", 4, "line 4 must hold the player pause record"},
        {7, "1,2,3,4,5,6,7", 7, "more than six numbers"},
    };
    for (const auto& [line, text, faultLine, fault] : changed) {
        ExpectFault(parse(WithLine(good, line, text)), faultLine, fault);
    }
    ExpectFault(parse(WithCell(4, 2, "92")), 9, "row 2, column 4 holds \"92\"");
    ExpectFault(parse(WithCell(15, 7, "x5")), 14, "not a square number 0..91");
    ExpectFault(parse(WithCell(15, 7, "  ")), 0, "the layout grid never places square 24");
    ExpectFault(parse(WithCell(1, 7, "11")), 14, "column 1 belongs to square 0, not square 11");
    ExpectFault(parse(WithRecord(3, "\"T  0342291\"")), 26,
                "the record of square 3 is shorter than 11 characters");
    ExpectFault(parse(WithRecord(0, "\"T  00382613\"")), 23,
                "square 0 must give player 2's path position as 39");
    ExpectFault(parse(WithRecord(57, "\"F  00000000\"")), 80,
                "square 57 must give player 1's path position as 57");
    ExpectFault(parse(WithRecord(83, "\"Y  00830000\"")), 106,
                "square 83 must hold \"11\" in characters 2 and 3");
    ExpectFault(parse(WithRecord(10, "\"T0110493623\"")), 33,
                "square 10 must hold \"  \" in characters 2 and 3");
}

// The old bytes, line ends of both kinds and none at the end, go to the scratch copy; a link
// planted there is replaced, not followed.
TEST(SettingsFile, SaveRewritesTheFirstFourLinesAndKeepsTheRestWithCrLfEnds) {
    test::TempFolder folder;
    const std::string path = folder.File("ruvo.cfg");
    const std::string scratch = folder.File(SettingsFile::ScratchName);
    const std::string old = "a\nb\r\nc\nd\nline five\nlast";
    test::WriteBytes(path, old);
    test::WriteBytes(folder.File("victim"), "precious");
    std::filesystem::create_symlink(folder.File("victim"), scratch);
    SettingsFile::Save(path, 7, 0, {"C", "H", "C", "C"}, {1, 1, 0, 1}, {0, 1, 0, 0});
    const std::string saved = "\"Speed Factor\",7,0\r\n"
                              "\"Player Type\",\"C\",\"H\",\"C\",\"C\"\r\n"
                              "\"Player Enabled\",1,1,0,1\r\n"
                              "\"Player Pause\",0,1,0,0\r\n"
                              "line five\r\nlast\r\n";
    EXPECT_EQ(test::ReadBytes(path), saved);
    EXPECT_EQ(test::ReadBytes(folder.File("victim")), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(scratch));
    EXPECT_EQ(test::ReadBytes(scratch), old);

    // The settings may be written to another file, the scratch copy beside it.
    test::TempFolder other;
    SettingsFile::Save(path, other.File("ruvo.cfg"), 5, 1, {"H", "C", "C", "C"}, {1, 1, 1, 1},
                       {0, 0, 0, 0});
    EXPECT_EQ(test::FirstLines(test::ReadBytes(other.File("ruvo.cfg")), 1),
              "\"Speed Factor\",5,1\r\n");
    EXPECT_EQ(test::ReadBytes(path), saved);
    EXPECT_EQ(test::ReadBytes(other.File(SettingsFile::ScratchName)), saved);
}

TEST(SettingsFile, SaveLeavesAFileItCannotRewriteAlone) {
    test::TempFolder folder;
    const auto save = [](const std::string& path) {
        return [path] { SettingsFile::Save(path, 20, 1, {"H", "C", "C", "C"}, {1, 1, 1, 1}, {}); };
    };
    ExpectFault(save(folder.File("ruvo.cfg")), 0, "cannot be opened");
    EXPECT_FALSE(std::filesystem::exists(folder.File("ruvo.cfg")));
    const std::string shortBytes = "\"Speed Factor\",20,1\r\n\"Player Type\",\"H\"\r\n";
    test::WriteBytes(folder.File("short.cfg"), shortBytes);
    ExpectFault(save(folder.File("short.cfg")), 3, "fewer than four lines");
    EXPECT_EQ(test::ReadBytes(folder.File("short.cfg")), shortBytes);
}

} // namespace
} // namespace ruvo
