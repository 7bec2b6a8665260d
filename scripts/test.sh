#!/usr/bin/env bash
# Builds Tabulon with its tests and runs every test, then builds the tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them
# there too. Needs no display (widget tests use Qt's offscreen platform) and
# no sound server of the user's: the audio tests play through a private one
# started here.
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

# Any sanitizer report ends the test that made it, and so fails the run.
# The install tests check files, not memory: once is enough.
sanitized="$root/build/asan"
cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DTABULON_SANITIZE=ON
cmake --build "$sanitized" --parallel "$(nproc)"
ctest --test-dir "$sanitized" --output-on-failure --parallel "$(nproc)" --label-exclude install
