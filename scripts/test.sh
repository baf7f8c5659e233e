#!/bin/sh
# Sets up and builds (scripts/setup.sh), then runs every test under Xvfb.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" "$@"
