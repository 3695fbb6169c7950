#!/usr/bin/env bash
# Sets up, builds and starts the game. Until then a computer game is played in the terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
mkdir -p run
[ -f run/ruvo.cfg ] || cp data/ruvo.cfg run/ruvo.cfg
cd run
if [ -x ../build/ruvo ]; then
    exec ../build/ruvo "$@"
fi
exec ../build/ruvo-cli play --log
