#!/bin/sh
# Installs the Debian packages the build needs (only those missing), then
# configures and builds into build/: the targets named as arguments and what
# they need, or everything.
set -eu
cd "$(dirname "$0")/.."

scripts/install-packages.sh $(cat scripts/packages.txt)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build --target "$@"
else
  cmake --build build
fi
