// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ComputerLevel.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace ruvo {

const char* LevelName(ComputerLevel level) {
    switch (level) {
    case ComputerLevel::Easy:
        return "Easy";
    case ComputerLevel::Strong:
        return "Strong";
    case ComputerLevel::Standard:
        break;
    }
    return "Standard";
}

std::optional<ComputerLevel> ParseLevel(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (ComputerLevel level :
         {ComputerLevel::Easy, ComputerLevel::Standard, ComputerLevel::Strong}) {
        std::string known = LevelName(level);
        known[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(known[0])));
        if (lower == known) {
            return level;
        }
    }
    return std::nullopt;
}

std::array<ComputerLevel, 4> ParseLevelList(const std::string& text) {
    std::array<ComputerLevel, 4> levels{};
    size_t start = 0;
    for (int p = 0; p < 4; ++p) {
        const size_t comma = text.find(',', start);
        if ((p < 3) != (comma != std::string::npos)) {
            throw std::invalid_argument("'" + text +
                                        "' must be four level names separated by "
                                        "commas (easy, standard, strong)");
        }
        const std::string name =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::optional<ComputerLevel> level = ParseLevel(name);
        if (!level) {
            throw std::invalid_argument("'" + name + "' is not a level (easy, standard, strong)");
        }
        levels[p] = *level;
        start = comma + 1;
    }
    return levels;
}

} // namespace ruvo
