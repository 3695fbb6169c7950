// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings file ruvo.cfg is read from and written back to.
//
// Reading: the file named on the command line; else ruvo.cfg in the current folder when one is
// there (a portable folder); else the per-user file in the user's configuration folder. A
// program that may create the per-user file makes it from the shipped default on the first
// start; one that may not (ruvo-cli) reads the shipped default instead.
//
// Writing: back into the file the settings came from, unless that file lies in the folder of
// the shipped default or its folder cannot be written; then into the per-user file.
#include <functional>
#include <optional>
#include <string>

namespace ruvo {

class SettingsLocation {
public:
    static constexpr const char* FileName = "ruvo.cfg";

    enum class Origin { Named, CurrentFolder, UserFolder, Shipped };

    struct Folders {
        std::string current; // the folder the program was started in
        std::string user;    // the per-user folder, e.g. ~/.config/ruvo
        std::string shipped; // the folder of the shipped default ruvo.cfg
    };

    // canWrite: whether a new file can be made in a folder and an existing file replaced
    // (by default the system's access check). current may be "" for the current folder (file
    // names then stay relative). Throws std::filesystem::filesystem_error when the system
    // refuses to look for a settings file (a folder that may not be searched).
    SettingsLocation(std::optional<std::string> named, Folders folders,
                     std::function<bool(const std::string&)> canWrite = nullptr);

    Origin origin() const { return origin_; }
    // The file the settings are read from.
    std::string readPath() const;
    // The per-user file.
    std::string userPath() const;

    // With no named file and no ruvo.cfg in the current folder: creates the per-user folder and
    // the per-user file from the shipped default when it is missing, and reads from it from now
    // on. Throws FileError naming the file that cannot be read or written.
    void makeUserFile();

    // The file the settings go back to (see the class comment).
    std::string writePath() const;
    // Whether writePath is not the file the settings came from.
    bool writeMoved() const { return writePath() != readPath(); }
    // Makes writePath ready to be written (the per-user folder, when the write moves there)
    // and returns it; the settings are then saved from readPath to it. Throws FileError.
    std::string prepareWrite() const;

    // The folder of the shipped default for a program in programFolder: the installed data
    // folder (relative to the installed program) when it holds ruvo.cfg, else the program's
    // own folder (a program run where it was built).
    static std::string ShippedFolder(const std::string& programFolder);
    // The per-user folder from the environment: $XDG_CONFIG_HOME/ruvo, else ~/.config/ruvo
    // (for a program without Qt's standard paths).
    static std::string UserFolder();

private:
    bool inShippedFolder(const std::string& path) const;
    void makeUserFolder() const;

    std::optional<std::string> named_;
    Folders folders_;
    std::function<bool(const std::string&)> canWrite_;
    Origin origin_ = Origin::UserFolder;
};

} // namespace ruvo
