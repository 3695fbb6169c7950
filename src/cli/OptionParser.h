// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of the command-line tool, read with the C library's getopt_long: "--name value"
// and "--name=value", abbreviations that are unique, and "--" to end the options.
#include <string>
#include <utility>
#include <vector>

namespace ruvo {

class OptionParser {
public:
    struct Option {
        const char* name; // without the leading "--"
        bool takesValue;
        char shortName = 0; // a one-letter form ("-h"), 0 for none
    };
    struct Result {
        std::vector<std::pair<std::string, std::string>> options; // "--name", value ("" if none)
        std::vector<std::string> rest; // the words that are not options, in order
    };

    // Reads args (the program name not included). stopAtWord: the first word that is not an
    // option ends the options; it and everything after it go to rest. Throws UsageError on an
    // unknown option, a missing value or a value given to an option that takes none.
    static Result Parse(const std::vector<std::string>& args, const std::vector<Option>& known,
                        bool stopAtWord);
};

} // namespace ruvo
