#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts the game in run/, a folder holding a copy of the default settings:
# the game reads ruvo.cfg from the folder it is started in and writes the settings back there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
mkdir -p run
[ -f run/ruvo.cfg ] || cp data/ruvo.cfg run/ruvo.cfg
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Ruvo is a window program: start scripts/play.sh from a desktop session." >&2
    echo "Without one, ruvo-cli plays computer games in the terminal:" >&2
    echo "  (cd run && ../build/ruvo-cli play --log)" >&2
    exit 1
fi
cd run
exec ../build/ruvo
