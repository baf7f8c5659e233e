#!/bin/sh
# Installs the Debian packages the build needs (only those missing), then
# configures and builds into build/.
set -eu
cd "$(dirname "$0")/.."

scripts/install-packages.sh $(cat scripts/packages.txt)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
