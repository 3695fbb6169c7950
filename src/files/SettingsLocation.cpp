// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SettingsLocation.h"

#include "files/DiskFile.h"
#include "files/FileError.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace ruvo {

namespace {

namespace fs = std::filesystem;

bool IsFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// Whether a settings file is there; a file the system refuses to look at (a folder that may
// not be searched, a link to itself) throws std::filesystem::filesystem_error.
bool IsThere(const fs::path& path) {
    return fs::exists(fs::status(path));
}

bool AccessWrite(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

// The folder a file lies in; the current folder for a bare file name.
std::string FolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

} // namespace

SettingsLocation::SettingsLocation(std::optional<std::string> named, Folders folders,
                                   std::function<bool(const std::string&)> canWrite)
    : named_(std::move(named)), folders_(std::move(folders)),
      canWrite_(canWrite ? std::move(canWrite) : AccessWrite) {
    if (named_) {
        origin_ = Origin::Named;
    } else if (IsThere(fs::path(folders_.current) / FileName)) {
        origin_ = Origin::CurrentFolder;
    } else if (IsThere(userPath())) {
        origin_ = Origin::UserFolder;
    } else {
        origin_ = Origin::Shipped;
    }
}

std::string SettingsLocation::userPath() const {
    return (fs::path(folders_.user) / FileName).string();
}

std::string SettingsLocation::readPath() const {
    switch (origin_) {
    case Origin::Named:
        return *named_;
    case Origin::CurrentFolder:
        return (fs::path(folders_.current) / FileName).string();
    case Origin::UserFolder:
        break;
    case Origin::Shipped:
        return (fs::path(folders_.shipped) / FileName).string();
    }
    return userPath();
}

void SettingsLocation::makeUserFile() {
    if (origin_ != Origin::Shipped) {
        return;
    }
    const std::string bytes = DiskFile::ReadAll(readPath(), DiskFile::GameFileLimit);
    makeUserFolder();
    DiskFile::Replace(userPath(), bytes);
    origin_ = Origin::UserFolder;
}

void SettingsLocation::makeUserFolder() const {
    std::error_code ec;
    fs::create_directories(folders_.user, ec);
    if (ec) {
        throw FileError(userPath(), 0, "its folder cannot be made: " + ec.message());
    }
}

bool SettingsLocation::inShippedFolder(const std::string& path) const {
    std::error_code ec;
    return !folders_.shipped.empty() && fs::equivalent(FolderOf(path), folders_.shipped, ec);
}

std::string SettingsLocation::writePath() const {
    const std::string read = readPath();
    if (origin_ == Origin::Shipped || inShippedFolder(read) || !canWrite_(FolderOf(read)) ||
        (IsFile(read) && !canWrite_(read))) {
        return userPath();
    }
    return read;
}

std::string SettingsLocation::prepareWrite() const {
    const std::string target = writePath();
    if (target != readPath()) {
        makeUserFolder();
    }
    return target;
}

std::string SettingsLocation::ShippedFolder(const std::string& programFolder) {
    if (programFolder.empty()) {
        return {};
    }
#ifdef RUVO_DATA_FROM_PROGRAM
    const fs::path installed =
        (fs::path(programFolder) / RUVO_DATA_FROM_PROGRAM).lexically_normal();
#else
    const fs::path installed = programFolder;
#endif
    if (!IsFile(installed / FileName) && IsFile(fs::path(programFolder) / FileName)) {
        return programFolder;
    }
    std::string folder = installed.string();
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string SettingsLocation::UserFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && fs::path(config).is_absolute()) {
        return (fs::path(config) / "ruvo").string();
    }
    const char* home = std::getenv("HOME");
    return (fs::path(home != nullptr ? home : "") / ".config" / "ruvo").string();
}

} // namespace ruvo
