#!/usr/bin/env bash
# Installs what building and playing need and is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
# A first build leaves the tests out (their libraries are not installed for playing);
# a build folder that ./test.sh has set up keeps its tests.
testing=()
[ -f build/CMakeCache.txt ] || testing=(-DBUILD_TESTING=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${testing[@]}" >/dev/null
cmake --build build -j"$(nproc)" --target porimogu game_bmp game_mid
exec build/porimogu-run "$@"
