// SPDX-License-Identifier: GPL-3.0-or-later
// The game's files on disk: only regular files of a sane size are read; saving replaces only
// regular files, follows only the user's own links and leaves no new file behind.
#include "files/DiskFile.h"
#include "files/SavedGameFile.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

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

// Opening a named pipe waits until another process opens it too: a call that waits on one
// ends the test program after ten seconds instead of hanging the suite.
class Watchdog {
public:
    Watchdog() { alarm(10); }
    ~Watchdog() { alarm(0); }
};

// Files that are not regular ones, by the name they are made as, and how messages call them.
const std::vector<std::pair<std::string, std::string>> SpecialFiles = {
    {"pipe", "it is a named pipe, not a regular file"},
    {"link", "a named pipe, not a regular file"}, // a link to a named pipe
    {"socket", "it is a socket, not a regular file"},
    {"folder", "it is a folder, not a regular file"},
};

std::string MakeSpecial(const TempFolder& folder, const std::string& name) {
    const std::string path = folder.File(name);
    if (name == "pipe") {
        mkfifo(path.c_str(), 0644);
    } else if (name == "link") {
        mkfifo(folder.File("linked-pipe").c_str(), 0644);
        fs::create_symlink("linked-pipe", path);
    } else if (name == "socket") {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd);
    } else {
        fs::create_directory(path);
    }
    return path;
}

TEST(DiskFile, OnlyRegularFilesOfASaneSizeAreRead) {
    Watchdog watchdog;
    TempFolder folder;
    std::vector<std::pair<std::string, std::string>> cases; // path, fault
    for (const auto& [name, fault] : SpecialFiles) {
        cases.emplace_back(MakeSpecial(folder, name), fault);
    }
    cases.emplace_back("/dev/zero", "it is a device, not a regular file");
    cases.emplace_back(folder.File("missing"), "cannot be opened: No such file or directory");
    WriteBytes(folder.File("huge"), "");
    fs::resize_file(folder.File("huge"), DiskFile::GameFileLimit + 1);
    cases.emplace_back(folder.File("huge"), "it holds more than 1 MB");
    for (const auto& [path, fault] : cases) {
        ExpectFault([&] { SavedGameFile::Read(path); }, 0, fault);
    }
    ExpectFault([] { DiskFile::ReadAll(ShippedSettings, 100); }, 0, "more than 100 bytes");
}

TEST(DiskFile, SavingReplacesOnlyRegularFiles) {
    Watchdog watchdog;
    const SavedGame game = SavedGameFile::Read(FreshGame);
    TempFolder folder;
    for (const auto& [name, fault] : SpecialFiles) {
        const std::string path = MakeSpecial(folder, name);
        struct stat before {};
        ASSERT_EQ(lstat(path.c_str(), &before), 0);
        ExpectFault([&] { SavedGameFile::Write(path, game); }, 0, fault);
        struct stat after {};
        ASSERT_EQ(lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << name << " was replaced";
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
    }
    // A device node of our own, where the system lets us make one (as the superuser,
    // /dev/null itself would be at stake).
    if (mknod(folder.File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        ExpectFault([&] { SavedGameFile::Write(folder.File("null"), game); }, 0,
                    "cannot be written: it is a device, not a regular file");
        EXPECT_TRUE(fs::is_character_file(folder.File("null")));
    }
    // A link to nothing and a file with a second name stay as they are.
    fs::create_symlink("nothing.ruv", folder.File("dangling.ruv"));
    ExpectFault([&] { SavedGameFile::Write(folder.File("dangling.ruv"), game); }, 0,
                "does not exist");
    EXPECT_TRUE(fs::is_symlink(folder.File("dangling.ruv")));
    EXPECT_FALSE(fs::exists(folder.File("nothing.ruv")));
    WriteBytes(folder.File("one.ruv"), "old");
    fs::create_hard_link(folder.File("one.ruv"), folder.File("two.ruv"));
    ExpectFault([&] { SavedGameFile::Write(folder.File("one.ruv"), game); }, 0,
                "other names (hard links)");
    EXPECT_EQ(fs::hard_link_count(folder.File("two.ruv")), 2u);
    EXPECT_EQ(ReadBytes(folder.File("one.ruv")), "old");
}

TEST(DiskFile, SavingFollowsOnlyTheUsersOwnLinksToTheirOwnFiles) {
    const SavedGame game = SavedGameFile::Read(FreshGame);
    TempFolder folder;
    WriteBytes(folder.File("real.ruv"), "old");
    fs::create_symlink("real.ruv", folder.File("link.ruv"));
    fs::create_symlink(folder.File("link.ruv"), folder.File("chain.ruv"));
    SavedGameFile::Write(folder.File("chain.ruv"), game);
    EXPECT_TRUE(fs::is_symlink(folder.File("link.ruv")));
    EXPECT_TRUE(fs::is_symlink(folder.File("chain.ruv")));
    EXPECT_EQ(ReadBytes(folder.File("real.ruv")), ReadBytes(FreshGame));

    if (geteuid() != 0) {
        GTEST_SKIP() << "links and files of another user can only be made by the superuser";
    }
    WriteBytes(folder.File("theirs.ruv"), "theirs");
    ASSERT_EQ(chown(folder.File("theirs.ruv").c_str(), 65534, 65534), 0);
    fs::create_symlink("theirs.ruv", folder.File("to-theirs.ruv"));
    ExpectFault([&] { SavedGameFile::Write(folder.File("to-theirs.ruv"), game); }, 0,
                "which belongs to another user");
    fs::create_symlink("real.ruv", folder.File("planted.ruv"));
    ASSERT_EQ(lchown(folder.File("planted.ruv").c_str(), 65534, 65534), 0);
    ExpectFault([&] { SavedGameFile::Write(folder.File("planted.ruv"), game); }, 0,
                "a link that belongs to another user");
    EXPECT_EQ(ReadBytes(folder.File("theirs.ruv")), "theirs");
    EXPECT_TRUE(fs::is_symlink(folder.File("to-theirs.ruv")));
    EXPECT_TRUE(fs::is_symlink(folder.File("planted.ruv")));
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
    SavedGameFile::Write(folder.File("game.ruv"), SavedGameFile::Read(FreshGame));
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
        SavedGameFile::Write(path, SavedGameFile::Read(FreshGame));
        SavedGameFile::Write(path, SavedGameFile::Read(FreshGame));
        EXPECT_EQ(ReadBytes(path), ReadBytes(FreshGame)) << length;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
}

} // namespace
} // namespace ruvo::test
