#!/bin/sh
# Builds the game and runs every test. Installs what the tests need from
# Debian's packages when it is missing (as root, or through sudo).
set -eu
cd "$(dirname "$0")/.."

# Each package, and a file that is there once it is installed.
chybi=
while read -r balik soubor; do
  [ -e "$soubor" ] || chybi="$chybi $balik"
done <<EOF
cmake /usr/bin/cmake
ninja-build /usr/bin/ninja
g++ /usr/bin/g++
libgtest-dev /usr/include/gtest/gtest.h
faketime /usr/bin/faketime
EOF
if [ -n "$chybi" ]; then
  echo "Installing:$chybi"
  root=
  [ "$(id -u)" -eq 0 ] || root=sudo
  $root apt-get update -q
  DEBIAN_FRONTEND=noninteractive $root apt-get install -y -q \
    --no-install-recommends $chybi
fi

cmake --preset default
cmake --build --preset default
ctest --preset default
