// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs ruvo-cli in the test process: its status and what it wrote.
#include "cli/CliApp.h"

#include <sstream>
#include <string>
#include <vector>

namespace ruvo::test {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CliRun Cli(const std::vector<std::string>& args, const std::string& programFolder = "") {
    std::ostringstream out;
    std::ostringstream err;
    const int status = CliApp::Run(args, out, err, programFolder);
    return {status, out.str(), err.str()};
}

} // namespace ruvo::test
