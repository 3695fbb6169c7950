// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file chooser behind the game's open and save dialogs for saved games.
#include "game/GameHost.h"

#include <QStringList>
#include <string>

class QWidget;

namespace ruvo {

// Shows a modal file dialog owned by `owner`: the open dialog, or the save dialog when
// request.save is set, with the request's title and filter, starting in its folder with its
// default name filled in. Returns the chosen path in the local 8-bit encoding, "" when the
// dialog is cancelled. Neither mode asks before overwriting or insists that the file exists,
// and no extension is added: the game applies its own rule to the name it gets back.
std::string ShowFileDialog(QWidget* owner, const FileDialogRequest& request);

// The dialog's name filters for a filter text of description and pattern pairs, each ended by
// a NUL: "Ruvo game Files (*.ruv)" NUL "*.ruv" NUL gives "Ruvo game Files (*.ruv)". A
// description that does not already end in its patterns gets them added in brackets; several
// patterns separated by ";" are listed with spaces; a pair without a pattern is left out.
QStringList NameFiltersFor(const std::string& filter);

} // namespace ruvo
