#!/bin/sh
# Installs the Debian packages the build needs (only those missing), then
# configures and builds into build/. Extra package lists may be named as
# arguments (for instance scripts/packages-ci.txt).
set -eu
cd "$(dirname "$0")/.."

missing=""
for pkg in $(cat scripts/packages.txt "$@"); do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing="$missing $pkg"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
