#!/usr/bin/env bash
# Writes a picture of the game in one language, with the start panel, a
# question, the best times and About side by side, as the offscreen platform
# draws them in the game's own fonts:
#   scripts/screenshots.sh ar [picture.png]
# (build/screenshots/tabulon-ar.png unless a picture is named).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
language=${1:?which language, for example ar}
source "$root/scripts/dependencies.sh"
tabulon_install_dependencies

build="$root/build/screenshots"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTABULON_SCREENSHOTS=ON >/dev/null
cmake --build "$build" --target tabulon_screenshots --parallel "$(nproc)" >/dev/null
picture=$(realpath -m "${2:-$build/tabulon-$language.png}")
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
LANGUAGE=$language LANG=C.UTF-8 LC_ALL= QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$config \
    "$build/tabulon-screenshots" "$picture"
echo "$picture"
