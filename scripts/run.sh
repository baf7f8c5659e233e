#!/bin/sh
# Sets up and builds (scripts/setup.sh), then starts the program, optionally
# with a file to open.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
if [ $# -gt 0 ]; then
  file="$(realpath "$1")"
  exec "$root/build/console/quivera" "$file"
fi
exec "$root/build/console/quivera"
