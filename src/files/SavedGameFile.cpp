// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SavedGameFile.h"

#include "files/DelimitedReader.h"
#include "files/DelimitedWriter.h"
#include "files/DiskFile.h"
#include "files/PlayerItems.h"
#include "files/SquareRecordCheck.h"
#include "files/Text.h"
#include "rules/BoardGeometry.h"

#include <algorithm>

namespace ruvo {

namespace {

constexpr int16_t SlowestSpeed = 30;

// Who stands where according to the sixteen saved piece positions.
struct Occupancy {
    std::array<int, SquareTotal> owner;
    std::array<int, SquareTotal> count{};
    Occupancy() { owner.fill(-1); }
};

// True for "dd,dd,dd,dd".
bool IsPositionList(std::string_view text) {
    if (text.size() != 11) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const bool separator = i % 3 == 2;
        const bool good = separator ? text[i] == ',' : (text[i] >= '0' && text[i] <= '9');
        if (!good) {
            return false;
        }
    }
    return true;
}

std::string ReadPieceSquares(DelimitedReader& in, int player, Occupancy& board) {
    const std::string name = PlayerItems::Name(player);
    std::string text = in.ReadText(name + "'s piece positions");
    if (!IsPositionList(text)) {
        in.Fail(name + "'s piece positions must read dd,dd,dd,dd, not " +
                DelimitedReader::Excerpt(text));
    }
    for (int piece = 0; piece < 4; ++piece) {
        const int position = static_cast<int>(Val(std::string_view(text).substr(3 * piece, 2)));
        if (!IsValidPiecePosition(player, piece, position)) {
            in.Fail("piece" + Str(piece + 1) + " of " + name + " cannot stand at" + Str(position));
        }
        const int square = BoardSquare(player, position);
        if (board.owner[square] != -1 && board.owner[square] != player) {
            in.Fail("pieces of " + PlayerItems::Name(board.owner[square]) + " and " + name +
                    " both stand on square" + Str(square));
        }
        board.owner[square] = player;
        ++board.count[square];
    }
    return text;
}

SavedSquare ReadSquare(DelimitedReader& in, int square, const Occupancy& board) {
    const std::string of = " of square" + Str(square);
    SavedSquare saved;
    saved.Square = in.ReadInteger("the square number");
    if (saved.Square != square) {
        in.Fail("the next record must be that of square" + Str(square) + ", not " +
                std::to_string(saved.Square));
    }
    const int owner = board.owner[square];
    const int count = board.count[square];
    saved.Owner = in.ReadInteger("the owner" + of);
    if (saved.Owner != owner) {
        in.Fail("the owner" + of + " must be" + Str(owner) + ", not " +
                std::to_string(saved.Owner));
    }
    saved.Count = in.ReadInteger("the piece count" + of);
    if (saved.Count != count) {
        in.Fail("the piece count" + of + " must be" + Str(count) + ", not " +
                std::to_string(saved.Count));
    }
    saved.Record = in.ReadText("the record" + of);
    const std::string fault = SquareRecordCheck::PathFieldFault(square, saved.Record);
    if (!fault.empty()) {
        in.Fail(fault);
    }
    const std::string occupant = DieText(owner) + DieText(count);
    if (saved.Record.compare(1, 2, occupant) != 0) {
        in.Fail("the record" + of + " must hold \"" + occupant + "\" in characters 2 and 3");
    }
    return saved;
}

} // namespace

std::string SavedGameFile::Format(const SavedGame& game) {
    DelimitedWriter out;
    out.Integer(game.CurrentPlayer).EndRecord();
    out.Integer(game.SpeedFactor).Integer(game.SoundOn).EndRecord();
    for (const std::string& type : game.PlayerType) {
        out.Text(type);
    }
    out.EndRecord();
    for (const auto* flags : {&game.PlayerEnabled, &game.PlayerPaused}) {
        for (int16_t flag : *flags) {
            out.Integer(flag);
        }
        out.EndRecord();
    }
    for (const std::string& positions : game.PieceSquares) {
        out.Text(positions).EndRecord();
    }
    std::vector<const SavedSquare*> squares;
    for (const SavedSquare& square : game.Squares) {
        squares.push_back(&square);
    }
    std::stable_sort(
        squares.begin(), squares.end(),
        [](const SavedSquare* a, const SavedSquare* b) { return a->Square < b->Square; });
    for (const SavedSquare* square : squares) {
        out.Integer(square->Square).Integer(square->Owner).Integer(square->Count);
        out.Text(square->Record).EndRecord();
    }
    return out.Bytes();
}

void SavedGameFile::Write(const std::string& path, const SavedGame& game) {
    DiskFile::Replace(path, Format(game));
}

SavedGame SavedGameFile::Parse(const std::string& fileName, std::string_view bytes) {
    DelimitedReader in(fileName, bytes);
    SavedGame game;
    game.CurrentPlayer = in.ReadInteger("the current player", -1, 3);
    game.SpeedFactor = in.ReadInteger("the speed factor", 1, SlowestSpeed);
    game.SoundOn = in.ReadInteger("the sound flag", 0, 1);
    for (int player = 0; player < 4; ++player) {
        game.PlayerType[player] = PlayerItems::ReadType(in, player);
    }
    game.PlayerEnabled = PlayerItems::ReadFlags(in, "enabled");
    PlayerItems::RequireTwoEnabled(game.PlayerEnabled, fileName, in.ItemLine());
    game.PlayerPaused = PlayerItems::ReadFlags(in, "pause");

    Occupancy board;
    for (int player = 0; player < 4; ++player) {
        game.PieceSquares[player] = ReadPieceSquares(in, player, board);
    }
    for (int square = 0; square < SquareTotal; ++square) {
        if (board.owner[square] != -1) {
            game.Squares.push_back(ReadSquare(in, square, board));
        }
    }
    return game;
}

SavedGame SavedGameFile::Read(const std::string& path) {
    return Parse(path, DiskFile::ReadAll(path, DiskFile::GameFileLimit));
}

} // namespace ruvo
