// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PlayerItems.h"

#include "files/FileError.h"
#include "files/Text.h"

namespace ruvo {

std::string PlayerItems::Name(int player) {
    return "player" + Str(player + 1);
}

std::string PlayerItems::ReadType(DelimitedReader& in, int player) {
    std::string type = in.ReadText(Name(player) + "'s type");
    if (type != "H" && type != "C") {
        in.Fail(Name(player) + "'s type must be \"H\" or \"C\", not " +
                DelimitedReader::Excerpt(type));
    }
    return type;
}

std::array<int16_t, 4> PlayerItems::ReadFlags(DelimitedReader& in, const std::string& name) {
    std::array<int16_t, 4> flags{};
    for (int player = 0; player < 4; ++player) {
        flags[player] = in.ReadInteger(Name(player) + "'s " + name + " flag", 0, 1);
    }
    return flags;
}

void PlayerItems::RequireTwoEnabled(const std::array<int16_t, 4>& enabled, const std::string& file,
                                    int line) {
    int count = 0;
    for (int16_t flag : enabled) {
        count += flag;
    }
    if (count < 2) {
        throw FileError(file, line, "at least two players must be enabled");
    }
}

} // namespace ruvo
