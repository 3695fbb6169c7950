// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ruvo-cli moves PLAYER THROWS POS0 POS1 POS2 POS3: the possible-moves list, the computer's
// choice and each piece's options for a position.
#include <ostream>
#include <string>
#include <vector>

namespace ruvo {

class MovesCommand {
public:
    // args: the words after "moves". Throws UsageError on a bad argument.
    static int Run(const std::vector<std::string>& args, std::ostream& out);
};

} // namespace ruvo
