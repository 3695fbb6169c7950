#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour sanitizers) in
# build-fuzz/ and runs each for SECONDS seconds on a copy of its seed corpus: the settings and
# saved-game readers, settings saved and read back, and loaded games played to their end. Fails
# on any crash, sanitizer report or endless game; the input is kept in build-fuzz/runs/.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (default 60 seconds, every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(SettingsFileFuzz SavedGameFileFuzz SettingsSaveFuzz SavedGamePlayFuzz)

CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRUVO_BUILD_UI=OFF -DRUVO_BUILD_TESTS=OFF -DRUVO_BUILD_BENCH=OFF -DRUVO_BUILD_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}" >/dev/null

for target in "${targets[@]}"; do
    work="build-fuzz/runs/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/crashes"
    cp fuzz/corpus/"$target"/* "$work/corpus/"
    if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/crashes/" "$work/corpus" >"$work/log" 2>&1; then
        tail -n 60 "$work/log"
        echo "fuzz: $target failed; the input is in $work/crashes/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "fuzz: $target ran ${runs:-?} inputs in ${seconds}s without a fault"
done
