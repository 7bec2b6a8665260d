#!/usr/bin/env bash
# Builds the sound benchmark and runs it on a private sound server:
#   bench/run-sound-bench.sh [runs] [file.wav]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/dependencies.sh"
tabulon_install_dependencies

build="$root/build/bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTABULON_BENCH=ON
cmake --build "$build" --target sound_bench tabulon --parallel "$(nproc)"

source "$root/scripts/sound-server.sh"
tabulon_start_sound_server
trap tabulon_stop_sound_server EXIT
XDG_RUNTIME_DIR="$TABULON_SOUND_DIR/runtime" QT_QPA_PLATFORM=offscreen \
    "$build/bench/sound_bench" --runs "${1:-9}" "${2:-$build/0.wav}"
