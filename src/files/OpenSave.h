// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-name rules of the open and save dialogs for saved games.
#include <string>

namespace ruvo {

class OpenSave {
public:
    // The name a save dialog returns for the chosen path: the extension of the filter (the
    // four characters from its first ".") is added when the file name has none and replaces
    // any other; an exact match is kept. The filter may hold NULs ("description\0pattern\0").
    static std::string ForcedExtension(const std::string& chosenPath, const std::string& filter);

    // The folder with a separator at its end, added unless it already ends in "/" or "\".
    // An empty folder (the current one) stays empty.
    static std::string WithTrailingSeparator(const std::string& dir);
};

} // namespace ruvo
