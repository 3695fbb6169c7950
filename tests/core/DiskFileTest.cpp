// SPDX-License-Identifier: GPL-3.0-or-later
// The game's files on disk: only regular files of a sane size are read; saving replaces only
// regular files, follows only the user's own links, keeps the scratch copy as the old bytes and
// leaves no new file behind.
#include "files/DiskFile.h"
#include "files/SavedGameFile.h"
#include "files/SettingsFile.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ruvo::test {
namespace {

namespace fs = std::filesystem;

const std::string DefaultConfig = RUVO_SOURCE_DIR "/data/ruvo.cfg";

// Opening a named pipe waits until another process opens it too: a call that waits on one
// ends the test program after ten seconds instead of hanging the suite.
class Watchdog {
public:
    Watchdog() { alarm(10); }
    ~Watchdog() { alarm(0); }
};

void MakeSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
}

// A saved game of a fresh four-player game, and its bytes.
const std::string FreshGame = RUVO_SOURCE_DIR "/fuzz/corpus/SavedGameFileFuzz/fresh.ruv";
std::string SavedBytes() {
    return ReadBytes(FreshGame);
}
SavedGame SavedGameToWrite() {
    return SavedGameFile::Read(FreshGame);
}

struct SpecialFile {
    const char* name;
    std::function<std::string(const TempFolder&)> make; // its path
    const char* fault;
};

const std::vector<SpecialFile>& SpecialFiles() {
    static const std::vector<SpecialFile> files = {
        {"named pipe",
         [](const TempFolder& f) {
             mkfifo(f.File("pipe").c_str(), 0644);
             return f.File("pipe");
         },
         "it is a named pipe, not a regular file"},
        {"link to a named pipe",
         [](const TempFolder& f) {
             mkfifo(f.File("pipe").c_str(), 0644);
             fs::create_symlink("pipe", f.File("link"));
             return f.File("link");
         },
         "a named pipe, not a regular file"},
        {"socket",
         [](const TempFolder& f) {
             MakeSocket(f.File("socket"));
             return f.File("socket");
         },
         "it is a socket, not a regular file"},
        {"folder",
         [](const TempFolder& f) {
             fs::create_directory(f.File("folder"));
             return f.File("folder");
         },
         "it is a folder, not a regular file"},
    };
    return files;
}

TEST(DiskFile, OnlyRegularFilesOfASaneSizeAreRead) {
    Watchdog watchdog;
    std::vector<std::unique_ptr<TempFolder>> folders;
    std::vector<std::pair<std::string, std::string>> cases; // path, fault
    for (const SpecialFile& special : SpecialFiles()) {
        folders.push_back(std::make_unique<TempFolder>());
        cases.emplace_back(special.make(*folders.back()), special.fault);
    }
    cases.emplace_back("/dev/zero", "it is a device, not a regular file");
    const TempFolder& folder = *folders.back();
    cases.emplace_back(folder.File("missing"), "cannot be opened: No such file or directory");
    WriteBytes(folder.File("huge"), "");
    fs::resize_file(folder.File("huge"), DiskFile::GameFileLimit + 1);
    cases.emplace_back(folder.File("huge"), "it holds more than 1 MB");
    for (const auto& [path, fault] : cases) {
        ExpectFault([&] { SettingsFile::Load(path); }, 0, fault);
        ExpectFault([&] { SavedGameFile::Read(path); }, 0, fault);
    }
    ExpectFault([] { DiskFile::ReadAll(DefaultConfig, 100); }, 0, "more than 100 bytes");
}

TEST(DiskFile, SavingReplacesOnlyRegularFiles) {
    Watchdog watchdog;
    for (const SpecialFile& special : SpecialFiles()) {
        TempFolder folder;
        const std::string path = special.make(folder);
        struct stat before {};
        ASSERT_EQ(lstat(path.c_str(), &before), 0);
        ExpectFault([&] { SavedGameFile::Write(path, SavedGameToWrite()); }, 0, special.fault);
        struct stat after {};
        ASSERT_EQ(lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << special.name << " was replaced";
        EXPECT_EQ(after.st_mode, before.st_mode) << special.name;
    }
    TempFolder folder;
    // A device node of our own, where the system lets us make one (as the superuser,
    // /dev/null itself would be at stake).
    if (mknod(folder.File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        ExpectFault([&] { SavedGameFile::Write(folder.File("null"), SavedGameToWrite()); }, 0,
                    "cannot be written: it is a device, not a regular file");
        EXPECT_TRUE(fs::is_character_file(folder.File("null")));
    }
    // A link to nothing and a file with a second name stay as they are.
    fs::create_symlink("nothing.ruv", folder.File("dangling.ruv"));
    ExpectFault([&] { SavedGameFile::Write(folder.File("dangling.ruv"), SavedGameToWrite()); }, 0,
                "does not exist");
    EXPECT_TRUE(fs::is_symlink(folder.File("dangling.ruv")));
    EXPECT_FALSE(fs::exists(folder.File("nothing.ruv")));
    WriteBytes(folder.File("one.ruv"), "old");
    fs::create_hard_link(folder.File("one.ruv"), folder.File("two.ruv"));
    ExpectFault([&] { SavedGameFile::Write(folder.File("one.ruv"), SavedGameToWrite()); }, 0,
                "other names (hard links)");
    EXPECT_EQ(fs::hard_link_count(folder.File("two.ruv")), 2u);
    EXPECT_EQ(ReadBytes(folder.File("one.ruv")), "old");
}

TEST(DiskFile, SavingFollowsOnlyTheUsersOwnLinksToTheirOwnFiles) {
    TempFolder folder;
    WriteBytes(folder.File("real.ruv"), "old");
    fs::create_symlink("real.ruv", folder.File("link.ruv"));
    fs::create_symlink(folder.File("link.ruv"), folder.File("chain.ruv"));
    SavedGameFile::Write(folder.File("chain.ruv"), SavedGameToWrite());
    EXPECT_TRUE(fs::is_symlink(folder.File("link.ruv")));
    EXPECT_TRUE(fs::is_symlink(folder.File("chain.ruv")));
    EXPECT_EQ(ReadBytes(folder.File("real.ruv")), SavedBytes());

    if (geteuid() != 0) {
        GTEST_SKIP() << "links and files of another user can only be made by the superuser";
    }
    WriteBytes(folder.File("theirs.ruv"), "theirs");
    ASSERT_EQ(chown(folder.File("theirs.ruv").c_str(), 65534, 65534), 0);
    fs::create_symlink("theirs.ruv", folder.File("to-theirs.ruv"));
    ExpectFault([&] { SavedGameFile::Write(folder.File("to-theirs.ruv"), SavedGameToWrite()); }, 0,
                "which belongs to another user");
    fs::create_symlink("real.ruv", folder.File("planted.ruv"));
    ASSERT_EQ(lchown(folder.File("planted.ruv").c_str(), 65534, 65534), 0);
    ExpectFault([&] { SavedGameFile::Write(folder.File("planted.ruv"), SavedGameToWrite()); }, 0,
                "a link that belongs to another user");
    EXPECT_EQ(ReadBytes(folder.File("theirs.ruv")), "theirs");
    EXPECT_TRUE(fs::is_symlink(folder.File("to-theirs.ruv")));
    EXPECT_TRUE(fs::is_symlink(folder.File("planted.ruv")));
}

TEST(DiskFile, ThePlantedScratchLinkIsReplacedNotFollowedAndKeepsTheOldBytes) {
    TempFolder folder;
    const std::string path = folder.File("ruvo.cfg");
    // Line ends of both kinds and no line end at the end: the copy keeps them as they are.
    std::string old = ReadBytes(DefaultConfig);
    old = old.substr(0, old.size() - 2) + "\nlast line";
    WriteBytes(path, old);
    WriteBytes(folder.File("victim"), "precious");
    fs::create_symlink(folder.File("victim"), folder.File(SettingsFile::ScratchName));

    SettingsFile::Save(path, 5, 1, {"H", "C", "C", "C"}, {1, 1, 1, 1}, {0, 0, 0, 0});
    EXPECT_EQ(ReadBytes(folder.File("victim")), "precious");
    EXPECT_FALSE(fs::is_symlink(folder.File(SettingsFile::ScratchName)));
    EXPECT_EQ(ReadBytes(folder.File(SettingsFile::ScratchName)), old);
    EXPECT_EQ(SettingsFile::Load(path).SpeedFactor, 5);

    // The settings may be written to another file, the scratch copy beside it.
    TempFolder other;
    SettingsFile::Save(path, other.File("ruvo.cfg"), 7, 0, {"C", "C", "C", "C"}, {1, 1, 0, 0},
                       {0, 0, 0, 0});
    EXPECT_EQ(SettingsFile::Load(other.File("ruvo.cfg")).SpeedFactor, 7);
    EXPECT_EQ(SettingsFile::Load(path).SpeedFactor, 5);
    EXPECT_EQ(ReadBytes(other.File(SettingsFile::ScratchName)), ReadBytes(path));
}

TEST(DiskFile, LeftoverNewFilesOfStoppedSavesAreRemoved) {
    TempFolder folder;
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0); // its number now belongs to no running process
    const std::string stopped = ".ruvo-" + std::to_string(child) + "-0123456789abcdef.tmp";
    const std::string running = ".ruvo-" + std::to_string(getppid()) + "-0123456789abcdef.tmp";
    std::vector<std::string> names = {stopped, running, "game.ruv.new", "other.ruv.new"};
    for (int i = 1; i < 100; ++i) {
        names.push_back("game.ruv.new" + std::to_string(i));
    }
    for (const std::string& name : names) {
        WriteBytes(folder.File(name), "half a save");
    }
    SavedGameFile::Write(folder.File("game.ruv"), SavedGameToWrite());
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, (std::set<std::string>{"game.ruv", running, "other.ruv.new"}));
}

TEST(DiskFile, NamesUpToTheLongestTheSystemAllowsCanBeSaved) {
    TempFolder folder;
    for (size_t length : {252u, 255u}) {
        const std::string path = folder.File(std::string(length - 4, 'g') + ".ruv");
        SavedGameFile::Write(path, SavedGameToWrite());
        SavedGameFile::Write(path, SavedGameToWrite());
        EXPECT_EQ(ReadBytes(path), SavedBytes()) << length;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
}

} // namespace
} // namespace ruvo::test
