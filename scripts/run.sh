#!/usr/bin/env bash
# Builds Tabulon and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/dependencies.sh"
tabulon_install_dependencies

build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build" --parallel "$(nproc)"
exec "$build/tabulon"
