// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line tool: "moves" and "play" on the game's own core.
#include <ostream>
#include <string>
#include <vector>

namespace ruvo {

class CliApp {
public:
    // Runs the tool with its arguments (program name excluded). Exit status: 0 success, 2 a bad
    // argument (a line naming it and the usage line on err) or a file that cannot be used (one
    // line on err).
    // programFolder: where the program lies (its default settings file may be there).
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const std::string& programFolder = "");
    static const char* Usage();
    static const char* UsageLine();
    static std::string Help();
};

} // namespace ruvo
