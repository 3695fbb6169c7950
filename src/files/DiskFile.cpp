// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DiskFile.h"

#include "files/FileError.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ruvo {

namespace {

// Closes a descriptor at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now; false (errno set) when the system reports a failed write on closing.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string Reason(int error) {
    return std::strerror(error);
}

// What a file that is not a regular one is, for messages; "" for a regular file.
std::string NotAFile(mode_t mode) {
    if (S_ISREG(mode)) {
        return "";
    }
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a regular file";
}

std::string SizeText(size_t bytes) {
    constexpr size_t mega = 1024 * 1024;
    return bytes % mega == 0 ? std::to_string(bytes / mega) + " MB"
                             : std::to_string(bytes) + " bytes";
}

[[noreturn]] void TooLarge(const std::string& path, size_t limit) {
    throw FileError(path, 0,
                    "is too large: it holds more than " + SizeText(limit) +
                        ", the most a file of this kind may hold");
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

constexpr std::string_view NewFilePrefix = ".ruvo-";
constexpr std::string_view NewFileSuffix = ".tmp";

// The process that wrote a new file named ".ruvo-PID-RANDOM.tmp", or 0 for another name.
pid_t NewFileWriter(std::string_view name) {
    if (name.size() <= NewFilePrefix.size() + NewFileSuffix.size() ||
        name.substr(0, NewFilePrefix.size()) != NewFilePrefix ||
        name.substr(name.size() - NewFileSuffix.size()) != NewFileSuffix) {
        return 0;
    }
    name.remove_prefix(NewFilePrefix.size());
    name.remove_suffix(NewFileSuffix.size());
    const size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || dash + 1 == name.size()) {
        return 0;
    }
    pid_t pid = 0;
    for (char c : name.substr(0, dash)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        pid = pid * 10 + (c - '0');
    }
    for (char c : name.substr(dash + 1)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return 0;
        }
    }
    return pid;
}

// True for "<target>.new" and "<target>.new1" to "<target>.new99", the names earlier
// versions of the program wrote new files under.
bool IsOldNewFile(const std::string& name, const std::string& target) {
    if (name.size() < target.size() + 4 || name.compare(0, target.size(), target) != 0 ||
        name.compare(target.size(), 4, ".new") != 0) {
        return false;
    }
    const std::string number = name.substr(target.size() + 4);
    return number.empty() || (number.size() <= 2 && number[0] != '0' &&
                              number.find_first_not_of("0123456789") == std::string::npos);
}

// Removes the user's own new files beside target whose writer was stopped before it could
// rename or remove them.
void RemoveLeftovers(const std::string& folder, const std::string& target) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const pid_t writer = NewFileWriter(name);
        const bool stopped =
            writer > 0 && writer != self && ::kill(writer, 0) != 0 && errno == ESRCH;
        if (!stopped && !IsOldNewFile(name, target)) {
            continue;
        }
        struct stat info {};
        if (::fstatat(::dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
        }
    }
    ::closedir(dir);
}

// Creates a file that did not exist yet in folder, never through a link.
std::pair<int, std::string> CreateNewFile(const std::string& folder, int& error) {
    static std::mt19937_64 random{std::random_device{}()};
    const char* digits = "0123456789abcdef";
    for (int attempt = 0; attempt < 100; ++attempt) {
        uint64_t value = random();
        std::string tag;
        for (int i = 0; i < 16; ++i, value >>= 4) {
            tag += digits[value & 0xF];
        }
        const std::string name =
            InFolder(folder, std::string(NewFilePrefix) + std::to_string(::getpid()) + "-" + tag +
                                 std::string(NewFileSuffix));
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return {fd, name};
        }
        error = errno;
        if (error != EEXIST) {
            break;
        }
    }
    return {-1, ""};
}

bool WriteWhole(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The file a save to path goes to: path itself, or the end of the user's own links.
std::string SaveTarget(const std::string& path, struct stat& info, bool& exists) {
    std::string current = path;
    for (int hops = 0;; ++hops) {
        if (::lstat(current.c_str(), &info) != 0) {
            const int error = errno;
            if (error == ENOENT && hops == 0) {
                exists = false;
                return current;
            }
            if (error == ENOENT) {
                throw FileError(path, 0,
                                "cannot be written: it is a link to " + current +
                                    ", which does not exist");
            }
            throw FileError(path, 0, "cannot be written: " + Reason(error));
        }
        if (!S_ISLNK(info.st_mode)) {
            break;
        }
        if (info.st_uid != ::geteuid()) {
            throw FileError(path, 0,
                            "cannot be written: it is a link that belongs to another "
                            "user, and saving does not follow such links");
        }
        if (hops == 40) {
            throw FileError(path, 0, "cannot be written: " + Reason(ELOOP));
        }
        std::string link(static_cast<size_t>(info.st_size) + 256, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0) {
            throw FileError(path, 0, "cannot be written: " + Reason(errno));
        }
        link.resize(static_cast<size_t>(length));
        current = !link.empty() && link[0] == '/' ? link : InFolder(FolderOf(current), link);
    }
    const std::string kind = NotAFile(info.st_mode);
    const bool linked = current != path;
    if (!kind.empty()) {
        throw FileError(path, 0,
                        "cannot be written: it is " + std::string(linked ? "a link to " : "") +
                            kind + ", not a regular file");
    }
    if (linked && info.st_uid != ::geteuid()) {
        throw FileError(path, 0,
                        "cannot be written: it is a link to " + current +
                            ", which belongs to another user");
    }
    if (info.st_nlink > 1) {
        throw FileError(path, 0,
                        "cannot be written: the file has other names (hard links), "
                        "which saving would part from it");
    }
    if (::faccessat(AT_FDCWD, current.c_str(), W_OK, AT_EACCESS) != 0) {
        throw FileError(path, 0, "cannot be written: " + Reason(errno));
    }
    exists = true;
    return current;
}

// Writes bytes to a new file beside target and renames it over target.
void WriteAndRename(const std::string& path, const std::string& target, std::string_view bytes,
                    const struct stat* old) {
    const std::string folder = FolderOf(target);
    RemoveLeftovers(folder, NameOf(target));
    int createError = 0;
    auto [fd, newName] = CreateNewFile(folder, createError);
    if (fd < 0) {
        throw FileError(path, 0, "cannot be written: " + Reason(createError));
    }
    Descriptor file(fd);
    int error = 0;
    const auto failed = [&error] { error = errno != 0 ? errno : EIO; };
    if (!WriteWhole(file.get(), bytes)) {
        failed();
    } else if (old != nullptr) {
        // Keep the old file's permissions, and its owner where the system allows it.
        if (::fchown(file.get(), old->st_uid, old->st_gid) != 0) {
            errno = 0;
        }
        if (::fchmod(file.get(), old->st_mode & 07777) != 0) {
            failed();
        }
    }
    if (error == 0 && ::fsync(file.get()) != 0) {
        failed();
    }
    if (!file.close() && error == 0) {
        failed();
    }
    if (error == 0 && ::rename(newName.c_str(), target.c_str()) != 0) {
        failed();
    }
    if (error != 0) {
        ::unlink(newName.c_str());
        throw FileError(path, 0, "cannot be written: " + Reason(error));
    }
    // The rename itself lasts only once the folder is on the disk too.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
}

} // namespace

std::string DiskFile::ReadAll(const std::string& path, size_t limit) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        throw FileError(path, 0, "cannot be opened: " + Reason(errno));
    }
    std::string kind = NotAFile(info.st_mode);
    if (!kind.empty()) {
        throw FileError(path, 0, "cannot be opened: it is " + kind + ", not a regular file");
    }
    if (static_cast<uint64_t>(info.st_size) > limit) {
        TooLarge(path, limit);
    }
    // Without waiting, should the name have become a named pipe since.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        throw FileError(path, 0, "cannot be opened: " + Reason(errno));
    }
    if (::fstat(file.get(), &info) != 0) {
        throw FileError(path, 0, "cannot be read: " + Reason(errno));
    }
    kind = NotAFile(info.st_mode);
    if (!kind.empty()) {
        throw FileError(path, 0, "cannot be opened: it is " + kind + ", not a regular file");
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError(path, 0, "cannot be read: " + Reason(errno));
        }
        if (got == 0) {
            return bytes;
        }
        if (bytes.size() + static_cast<size_t>(got) > limit) {
            TooLarge(path, limit);
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

void DiskFile::Replace(const std::string& path, std::string_view bytes) {
    struct stat old {};
    bool exists = false;
    const std::string target = SaveTarget(path, old, exists);
    WriteAndRename(path, target, bytes, exists ? &old : nullptr);
}

void DiskFile::ReplaceScratch(const std::string& path, std::string_view bytes) {
    struct stat old {};
    if (::lstat(path.c_str(), &old) != 0) {
        if (errno != ENOENT) {
            throw FileError(path, 0, "cannot be written: " + Reason(errno));
        }
        WriteAndRename(path, path, bytes, nullptr);
        return;
    }
    if (!S_ISLNK(old.st_mode)) {
        const std::string kind = NotAFile(old.st_mode);
        if (!kind.empty()) {
            throw FileError(path, 0, "cannot be written: it is " + kind + ", not a regular file");
        }
    }
    WriteAndRename(path, path, bytes, nullptr);
}

} // namespace ruvo
