#!/usr/bin/env bash
# Builds Tabulon with its tests and runs every test. Needs no display and no
# sound server: widget tests use Qt's offscreen platform.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/dependencies.sh"
tabulon_install_dependencies

build="$root/build/test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
