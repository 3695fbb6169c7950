// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file is read from and written back to.
#include "files/SettingsLocation.h"
#include "FileTestSupport.h"
#include "files/SettingsFile.h"

#include <set>

namespace ruvo::test {

namespace {

namespace fs = std::filesystem;
using Origin = SettingsLocation::Origin;

// A start folder, a per-user folder and a shipped folder side by side; the rows say which of
// them hold a ruvo.cfg and which cannot be written.
struct Row {
    const char* what;
    bool named;                     // --config names other/ruvo.cfg
    bool inCurrent;                 // the start folder holds ruvo.cfg
    bool inUser;                    // the per-user file exists
    bool startInShipped;            // started from the shipped folder itself
    std::set<std::string> readOnly; // "current", "other", "other/ruvo.cfg"
    Origin origin;
    const char* read;  // folder of the file read
    const char* write; // folder of the file written
};

// clang-format off
const std::vector<Row> kRows = {
    // what                                               named  cur    user   inShip readOnly             origin                 read       write
    {"a named file wins over the start folder",            true,  true,  true,  false, {},                  Origin::Named,         "other",   "other"},
    {"the start folder wins over the per-user file",       false, true,  true,  false, {},                  Origin::CurrentFolder, "current", "current"},
    {"the per-user file without one in the start folder",  false, false, true,  false, {},                  Origin::UserFolder,    "user",    "user"},
    {"nothing yet: the shipped default",                   false, false, false, false, {},                  Origin::Shipped,       "shipped", "user"},
    {"a start folder that cannot be written",              false, true,  false, false, {"current"},         Origin::CurrentFolder, "current", "user"},
    {"started in the shipped folder",                      false, false, false, true,  {},                  Origin::CurrentFolder, "shipped", "user"},
    {"a named file in a folder that cannot be written",    true,  false, false, false, {"other"},           Origin::Named,         "other",   "user"},
    {"a named file that cannot be written",                true,  false, false, false, {"other/ruvo.cfg"},  Origin::Named,         "other",   "user"},
};
// clang-format on

std::string Cfg(const fs::path& folder) {
    return (folder / SettingsLocation::FileName).string();
}

} // namespace

TEST(SettingsLocation, ReadAndWriteFollowTheOrder) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.what);
        TempFolder root;
        const std::string defaultBytes = ReadBytes(RUVO_SOURCE_DIR "/data/ruvo.cfg");
        for (const char* name : {"current", "shipped", "other"}) {
            fs::create_directories(root.Path() / name);
        }
        WriteBytes(Cfg(root.Path() / "shipped"), defaultBytes);
        WriteBytes(Cfg(root.Path() / "other"), defaultBytes);
        if (row.inCurrent) {
            WriteBytes(Cfg(root.Path() / "current"), defaultBytes);
        }
        const fs::path user = root.Path() / "config" / "ruvo";
        if (row.inUser) {
            fs::create_directories(user);
            WriteBytes(Cfg(user), defaultBytes);
        }
        const fs::path start = root.Path() / (row.startInShipped ? "shipped" : "current");
        const auto canWrite = [&](const std::string& path) {
            const std::string relative = fs::relative(path, root.Path()).string();
            return row.readOnly.count(relative) == 0;
        };
        const auto named = row.named ? std::optional(Cfg(root.Path() / "other")) : std::nullopt;
        SettingsLocation location(named, {start.string(), user.string(), root.File("shipped")},
                                  canWrite);

        EXPECT_EQ(location.origin(), row.origin);
        const auto path = [&](const std::string& folder) {
            return Cfg(folder == "user" ? user : root.Path() / folder);
        };
        EXPECT_EQ(location.readPath(), path(row.read));
        EXPECT_EQ(location.writeMoved(), std::string(row.read) != row.write);
        // Getting ready to write makes the per-user folder only when it is written to.
        EXPECT_EQ(location.prepareWrite(), path(row.write));
        EXPECT_EQ(fs::is_directory(user), row.inUser || std::string(row.write) == "user");
        // The first start copies the shipped default there, and nothing else is written.
        location.makeUserFile();
        const bool copied = row.origin == Origin::Shipped;
        EXPECT_EQ(location.origin(), copied ? Origin::UserFolder : row.origin);
        EXPECT_EQ(location.readPath(), copied ? Cfg(user) : path(row.read));
        EXPECT_EQ(ReadBytes(Cfg(user)), row.inUser || copied ? defaultBytes : "");
        EXPECT_EQ(fs::exists(Cfg(root.Path() / "current")), row.inCurrent);
    }
}

TEST(SettingsLocation, AFirstStartWithoutADefaultNamesItAndAWritableFileIsWrittenBack) {
    TempFolder root;
    fs::create_directories(root.Path() / "shipped");
    fs::create_directories(root.Path() / "start");
    const SettingsLocation::Folders folders = {root.File("start"), root.File("config/ruvo"),
                                               root.File("shipped")};
    try {
        SettingsLocation(std::nullopt, folders).makeUserFile();
        FAIL() << "no default settings file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.file(), root.File("shipped/ruvo.cfg"));
    }
    EXPECT_FALSE(fs::exists(root.Path() / "config"));
    // With the system's own check of writing, a file that may be written is written back.
    WriteBytes(root.File("start/ruvo.cfg"), "");
    EXPECT_EQ(SettingsLocation(std::nullopt, folders).writePath(), root.File("start/ruvo.cfg"));
}

} // namespace ruvo::test
