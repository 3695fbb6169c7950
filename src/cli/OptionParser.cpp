// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OptionParser.h"

#include "cli/UsageError.h"

#include <getopt.h>

namespace ruvo {

OptionParser::Result OptionParser::Parse(const std::vector<std::string>& args,
                                         const std::vector<Option>& known, bool stopAtWord) {
    // getopt_long works on a writable argv; argv[0] stands in for the program.
    std::vector<std::string> words;
    words.reserve(args.size() + 1);
    words.emplace_back("ruvo-cli");
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    // A leading ':' reports a missing value apart from an unknown option; '+' stops at the first
    // word instead of moving the options in front of it.
    std::string shortOptions = stopAtWord ? "+:" : ":";
    std::vector<option> longOptions;
    for (size_t i = 0; i < known.size(); ++i) {
        const int code = 256 + static_cast<int>(i);
        longOptions.push_back(
            {known[i].name, known[i].takesValue ? required_argument : no_argument, nullptr, code});
        if (known[i].shortName != 0) {
            shortOptions += known[i].shortName;
            shortOptions += known[i].takesValue ? ":" : "";
        }
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});

    Result result;
    opterr = 0;
    optind = 0; // a fresh scan every call
    const int argc = static_cast<int>(words.size());
    for (;;) {
        int index = -1;
        const int code =
            getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(), &index);
        if (code == -1) {
            break;
        }
        if (code == '?' || code == ':') {
            // optopt: the letter of a short option, the code of a known long one, else 0.
            const std::string word = optind > 0 && optind <= argc ? words[optind - 1] : "";
            std::string name = word.substr(0, word.find('='));
            if (optopt >= 256 && optopt < 256 + static_cast<int>(known.size())) {
                name = std::string("--") + known[optopt - 256].name;
            } else if (optopt != 0) {
                name = std::string("-") + static_cast<char>(optopt);
            }
            if (code == ':') {
                throw UsageError(name + " needs a value");
            }
            if (optopt >= 256) {
                throw UsageError(name + " takes no value");
            }
            throw UsageError("unknown option '" + name + "'");
        }
        for (size_t i = 0; i < known.size(); ++i) {
            if (code == 256 + static_cast<int>(i) || (code == known[i].shortName && code != 0)) {
                result.options.emplace_back(std::string("--") + known[i].name,
                                            optarg != nullptr ? optarg : "");
            }
        }
    }
    for (int i = optind; i < argc; ++i) {
        result.rest.push_back(words[i]);
    }
    return result;
}

} // namespace ruvo
