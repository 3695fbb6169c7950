// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player settings that the settings file and the saved game file both carry.
#include "files/DelimitedReader.h"

#include <array>
#include <cstdint>
#include <string>

namespace ruvo {

class PlayerItems {
public:
    // "player 1" .. "player 4", as the user numbers them.
    static std::string Name(int player);

    // One player's type: "H" or "C".
    static std::string ReadType(DelimitedReader& in, int player);

    // Four 0/1 flags, players 0..3; name says which ("enabled", "pause").
    static std::array<int16_t, 4> ReadFlags(DelimitedReader& in, const std::string& name);

    // Throws FileError at line unless at least two players take part.
    static void RequireTwoEnabled(const std::array<int16_t, 4>& enabled, const std::string& file,
                                  int line);
};

} // namespace ruvo
