// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ruvo-cli play: computer games with the game's own turn driver, no waits and no sound.
#include <ostream>
#include <string>
#include <vector>

namespace ruvo {

class PlayCommand {
public:
    // args: the words after "play". Without --config the settings are ruvo.cfg in the current
    // folder, else the per-user file, else the default installed with the program in
    // programFolder. Throws UsageError on a bad argument and FileError on a file that cannot
    // be used.
    static int Run(const std::vector<std::string>& args, std::ostream& out,
                   const std::string& programFolder = "");
};

} // namespace ruvo
