#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
# Its own build folder, fully optimised, and only the game with its data: no tests, no tools.
cmake -S . -B build-play -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-play --target marovek
exec build-play/app/marovek "$@"
