#!/bin/sh
# Sets up and builds the program alone, without the tests (scripts/setup.sh),
# then starts it, optionally with a file to open.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" quivera
if [ $# -gt 0 ]; then
  file="$(realpath "$1")"
  exec "$root/build/console/quivera" "$file"
fi
exec "$root/build/console/quivera"
