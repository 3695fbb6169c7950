// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/OpenSave.h"

namespace ruvo {

std::string OpenSave::ForcedExtension(const std::string& chosenPath, const std::string& filter) {
    const size_t filterDot = filter.find('.');
    if (filterDot == std::string::npos) {
        return chosenPath;
    }
    const std::string extension = filter.substr(filterDot, 4);
    const size_t nameStart = chosenPath.find_last_of("/\\");
    const size_t dot = chosenPath.rfind('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
        return chosenPath + extension;
    }
    if (chosenPath.compare(dot, std::string::npos, extension) == 0) {
        return chosenPath;
    }
    return chosenPath.substr(0, dot) + extension;
}

std::string OpenSave::WithTrailingSeparator(const std::string& dir) {
    if (dir.empty() || dir.back() == '/' || dir.back() == '\\') {
        return dir;
    }
    return dir + "/";
}

} // namespace ruvo
