// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SettingsFile.h"

#include "files/DelimitedReader.h"
#include "files/DelimitedWriter.h"
#include "files/DiskFile.h"
#include "files/FileError.h"
#include "files/PlayerItems.h"
#include "files/SquareRecordCheck.h"
#include "files/Text.h"

#include <filesystem>
#include <vector>

namespace ruvo {

namespace {

constexpr int GridSize = 15;
constexpr int SlowestSpeed = 30;

// The first four records must each be one whole line: Save replaces them line for line.
void ExpectWholeLine(const DelimitedReader& in, int firstItemLine, int line,
                     const std::string& record) {
    if (firstItemLine != line || in.ItemLine() != line || !in.ItemEndedLine()) {
        throw FileError(in.FileName(), line,
                        "line" + Str(line) + " must hold the " + record +
                            " record and nothing else");
    }
}

void ReadPlayerTypes(DelimitedReader& in, Settings& settings) {
    in.ReadText("the player type label");
    const int first = in.ItemLine();
    for (int player = 0; player < 4; ++player) {
        settings.PlayerType[player] = PlayerItems::ReadType(in, player);
    }
    ExpectWholeLine(in, first, 2, "player type");
}

std::array<int16_t, 4> ReadPlayerFlags(DelimitedReader& in, int line, const std::string& name) {
    in.ReadText("the player " + name + " label");
    const int first = in.ItemLine();
    const std::array<int16_t, 4> flags = PlayerItems::ReadFlags(in, name);
    ExpectWholeLine(in, first, line, "player " + name);
    return flags;
}

void WriteRecord(DelimitedWriter& out, const char* label, const std::array<int16_t, 4>& flags) {
    out.Text(label);
    for (int16_t flag : flags) {
        out.Integer(flag);
    }
    out.EndRecord();
}

// The cell's square number, or -1 when the cell holds something else.
int CellSquare(std::string_view cell) {
    const std::string_view digits = Trim(cell);
    if (digits.size() > 2) {
        return -1;
    }
    int square = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return -1;
        }
        square = square * 10 + (c - '0');
    }
    return square < SquareTotal ? square : -1;
}

void ReadGrid(DelimitedReader& in, Settings& settings) {
    std::array<bool, SquareTotal> placed{};
    int rowSevenLine = 0;
    for (int row = 1; row <= GridSize; ++row) {
        const std::string line = in.ReadLine("grid row" + Str(row));
        if (row == 7) {
            rowSevenLine = in.ItemLine();
        }
        for (int column = 1; column <= GridSize; ++column) {
            const size_t start = static_cast<size_t>(2 * column);
            const std::string_view cell =
                start < line.size() ? std::string_view(line).substr(start, 2) : "";
            const int square = CellSquare(cell);
            if (square < 0) {
                in.Fail("grid row" + Str(row) + ", column" + Str(column) + " holds " +
                        DelimitedReader::Excerpt(cell) + ", not a square number 0..91");
            }
            settings.SquareCol[square] = static_cast<int16_t>(column);
            settings.SquareRow[square] = static_cast<int16_t>(row);
            placed[square] = true;
        }
    }
    settings.SquareCol[0] = 1;
    settings.SquareRow[0] = 7;
    for (int square = 1; square < SquareTotal; ++square) {
        if (!placed[square]) {
            throw FileError(in.FileName(), 0, "the layout grid never places square" + Str(square));
        }
        if (settings.SquareCol[square] == 1 && settings.SquareRow[square] == 7) {
            throw FileError(in.FileName(), rowSevenLine,
                            "grid row 7, column 1 belongs to square 0, not square" + Str(square));
        }
    }
}

// What the record of square 0..91 must hold in characters 2 and 3 at the start of a game.
std::string StartOccupant(int square) {
    if (square < FirstYardSquare) {
        return "  ";
    }
    return DieText((square - FirstYardSquare) / 4) + "1";
}

void ReadSquareRecords(DelimitedReader& in, Settings& settings) {
    for (int control = 0; control < ControlTotal; ++control) {
        std::string record = in.ReadText("square record" + Str(control));
        if (control < SquareTotal) {
            const std::string fault = SquareRecordCheck::PathFieldFault(control, record);
            if (!fault.empty()) {
                in.Fail(fault);
            }
            const std::string occupant = StartOccupant(control);
            if (record.compare(1, 2, occupant) != 0) {
                in.Fail("the record of square" + Str(control) + " must hold \"" + occupant +
                        "\" in characters 2 and 3");
            }
        }
        settings.SquareRecords[control] = std::move(record);
    }
}

} // namespace

Settings SettingsFile::Load(const std::string& path) {
    return Parse(path, DiskFile::ReadAll(path, DiskFile::GameFileLimit));
}

Settings SettingsFile::Parse(const std::string& fileName, std::string_view bytes) {
    DelimitedReader in(fileName, bytes);
    Settings settings;

    in.ReadText("the speed factor label");
    const int first = in.ItemLine();
    settings.SpeedFactor = in.ReadInteger("the speed factor");
    if (settings.SpeedFactor < 1 || settings.SpeedFactor > SlowestSpeed) {
        settings.SpeedFactor = SlowestSpeed;
    }
    settings.SoundOn = in.ReadInteger("the sound flag", 0, 1);
    ExpectWholeLine(in, first, 1, "speed factor");

    ReadPlayerTypes(in, settings);
    settings.PlayerEnabled = ReadPlayerFlags(in, 3, "enabled");
    PlayerItems::RequireTwoEnabled(settings.PlayerEnabled, fileName, 3);
    settings.PlayerPaused = ReadPlayerFlags(in, 4, "pause");

    in.ReadLine("line 5");
    in.ReadLine("line 6");
    for (int i = 1; i <= 6; ++i) {
        in.ReadLong("number" + Str(i) + " of line 7");
    }
    if (!in.ItemEndedLine()) {
        in.Fail("more than six numbers on line" + Str(in.ItemLine()));
    }

    ReadGrid(in, settings);
    ReadSquareRecords(in, settings);
    return settings;
}

void SettingsFile::Save(const std::string& path, int16_t speedFactor, int16_t soundOn,
                        const std::array<std::string, 4>& types,
                        const std::array<int16_t, 4>& enabled,
                        const std::array<int16_t, 4>& paused) {
    Save(path, path, speedFactor, soundOn, types, enabled, paused);
}

void SettingsFile::Save(const std::string& readFrom, const std::string& writeTo,
                        int16_t speedFactor, int16_t soundOn,
                        const std::array<std::string, 4>& types,
                        const std::array<int16_t, 4>& enabled,
                        const std::array<int16_t, 4>& paused) {
    const std::string old = DiskFile::ReadAll(readFrom, DiskFile::GameFileLimit);
    DelimitedReader in(readFrom, old);
    std::vector<std::string> lines;
    while (!in.AtEnd()) {
        lines.push_back(in.ReadLine("a line"));
    }
    constexpr size_t settingsLines = 4;
    if (lines.size() < settingsLines) {
        throw FileError(readFrom, static_cast<int>(lines.size()) + 1,
                        "the file ends early: it has fewer than four lines");
    }

    const std::filesystem::path scratch =
        std::filesystem::path(writeTo).parent_path() / ScratchName;
    DiskFile::ReplaceScratch(scratch.string(), old);

    DelimitedWriter updated;
    updated.Text("Speed Factor").Integer(speedFactor).Integer(soundOn).EndRecord();
    updated.Text("Player Type");
    for (const std::string& type : types) {
        updated.Text(type);
    }
    updated.EndRecord();
    WriteRecord(updated, "Player Enabled", enabled);
    WriteRecord(updated, "Player Pause", paused);
    for (size_t i = settingsLines; i < lines.size(); ++i) {
        updated.Line(lines[i]);
    }
    DiskFile::Replace(writeTo, updated.Bytes());
}

} // namespace ruvo
