#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core, ruvo-cli and the core tests with the address and undefined-behaviour
# sanitizers in build-sanitize/ and runs those tests: any out-of-bounds access, overflow or
# leak fails the run, even where an optimised build happens to hide it.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DRUVO_BUILD_UI=OFF -DRUVO_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-sanitize -j"$(nproc)" --target core_tests ruvo-cli >/dev/null
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" \
    >build-sanitize/ctest.log 2>&1 || {
    grep -E -A20 'runtime error|ERROR: AddressSanitizer|\*\*\*Failed' build-sanitize/ctest.log | head -n 80
    echo "sanitize: the core tests failed under the sanitizers (build-sanitize/ctest.log)" >&2
    exit 1
}
echo "sanitize: $(grep -E 'tests passed' build-sanitize/ctest.log)"
