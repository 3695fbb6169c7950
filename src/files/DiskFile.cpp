// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DiskFile.h"

#include "files/FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace ruvo {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemReason(int error) {
    return std::strerror(error);
}

// Creates a file that did not exist yet beside target, for writing.
std::pair<FileHandle, std::string> CreateBeside(const std::string& target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target + ".new" + (attempt == 0 ? "" : std::to_string(attempt));
        errno = 0;
        FileHandle file(std::fopen(name.c_str(), "wbx"));
        if (file) {
            return {std::move(file), name};
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {nullptr, ""};
}

} // namespace

std::string DiskFile::ReadAll(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        throw FileError(path, 0, "cannot be opened: it is a folder");
    }
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw FileError(path, 0, "cannot be opened: " + SystemReason(errno));
    }
    std::string bytes;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        throw FileError(path, 0, "cannot be read: " + SystemReason(errno));
    }
    return bytes;
}

void DiskFile::Replace(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    std::string target = path;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) {
            target = resolved.string();
        }
    }
    const bool existed = fs::exists(target, ec);
    if (existed) {
        errno = 0;
        FileHandle probe(std::fopen(target.c_str(), "r+b"));
        if (!probe) {
            throw FileError(path, 0, "cannot be written: " + SystemReason(errno));
        }
    }

    errno = 0;
    auto [file, newName] = CreateBeside(target);
    if (!file) {
        throw FileError(path, 0, "cannot be written: " + SystemReason(errno));
    }
    errno = 0;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    written = std::fflush(file.get()) == 0 && written;
    written = std::fclose(file.release()) == 0 && written;
    if (!written) {
        const int writeError = errno != 0 ? errno : EIO;
        fs::remove(newName, ec);
        throw FileError(path, 0, "cannot be written: " + SystemReason(writeError));
    }
    if (existed) {
        const fs::file_status old = fs::status(target, ec);
        if (!ec) {
            fs::permissions(newName, old.permissions(), ec);
        }
    }
    fs::rename(newName, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(newName, ignored);
        throw FileError(path, 0, "cannot be written: " + ec.message());
    }
}

} // namespace ruvo
