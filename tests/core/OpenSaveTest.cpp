// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/OpenSave.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

const std::string Filter = std::string("Ruvo game Files (*.ruv)") + '\0' + "*.ruv" + '\0';

TEST(OpenSave, SaveNamesGetTheFilterExtension) {
    EXPECT_EQ(OpenSave::ForcedExtension("game", Filter), "game.ruv");
    EXPECT_EQ(OpenSave::ForcedExtension("game.ruv", Filter), "game.ruv");
    EXPECT_EQ(OpenSave::ForcedExtension("game.txt", Filter), "game.ruv");
    EXPECT_EQ(OpenSave::ForcedExtension("GAME.RUV", Filter), "GAME.ruv");
    EXPECT_EQ(OpenSave::ForcedExtension("game.", Filter), "game.ruv");
    EXPECT_EQ(OpenSave::ForcedExtension("/home/me/old.game.tar", Filter), "/home/me/old.game.ruv");
    // Only the file name's dot counts, never one in a folder name.
    EXPECT_EQ(OpenSave::ForcedExtension("/my.games/save1", Filter), "/my.games/save1.ruv");
    EXPECT_EQ(OpenSave::ForcedExtension("C:\\my.games\\save1", Filter), "C:\\my.games\\save1.ruv");
    EXPECT_EQ(OpenSave::ForcedExtension("/my.games\\save1.ruv", Filter), "/my.games\\save1.ruv");
    // The extension is the four characters from the filter's first dot.
    EXPECT_EQ(OpenSave::ForcedExtension("game", "Text (*.text)"), "game.tex");
    EXPECT_EQ(OpenSave::ForcedExtension("game", "All files"), "game");
}

TEST(OpenSave, FoldersEndInASeparator) {
    EXPECT_EQ(OpenSave::WithTrailingSeparator("/home/me/games"), "/home/me/games/");
    EXPECT_EQ(OpenSave::WithTrailingSeparator("/home/me/games/"), "/home/me/games/");
    EXPECT_EQ(OpenSave::WithTrailingSeparator("C:\\Games"), "C:\\Games/");
    EXPECT_EQ(OpenSave::WithTrailingSeparator("C:\\"), "C:\\");
    EXPECT_EQ(OpenSave::WithTrailingSeparator(""), "");
}

} // namespace
} // namespace ruvo
