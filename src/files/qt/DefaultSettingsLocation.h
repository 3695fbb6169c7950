// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the default settings file of an installed program lives.
#include <QString>

namespace ruvo {

// The folder holding the default ruvo.cfg that a user copies into the folder the program is
// started from: the installed share/ruvo folder (found from the program's own folder, so a
// package installed under any prefix names the right place), or else the program's own folder
// when it holds a ruvo.cfg (a program run from its build folder). With neither holding the file,
// the installed folder is named all the same. Needs the application object.
QString DefaultSettingsFolder();

} // namespace ruvo
