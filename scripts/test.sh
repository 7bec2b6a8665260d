#!/usr/bin/env bash
# Builds Tabulon with its tests and runs every test. Needs no display (widget
# tests use Qt's offscreen platform) and no sound server of the user's: the
# audio tests play through a private one started here.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/dependencies.sh"
tabulon_install_dependencies

build="$root/build/test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON
cmake --build "$build" --parallel "$(nproc)"
source "$root/scripts/sound-server.sh"
tabulon_start_sound_server
trap tabulon_stop_sound_server EXIT
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
