// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Thrown inside the game when the program is ending (the window closes, Exit, or a finished game
// that is not restarted): it unwinds whatever turn is running back to the entry point.

namespace ruvo {

struct GameStopped {};

} // namespace ruvo
