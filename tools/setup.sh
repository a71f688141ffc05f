#!/bin/sh
# Installs what is missing on Debian 12, builds noyalis (Release, Ninja), then either starts it
# (run) or runs every test headless (test). Run as root, or as a user with sudo.
set -eu
cd "$(dirname "$0")/.."

PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
libqcustomplot-dev libgtest-dev libbenchmark-dev libcups2-dev fonts-dejavu-core fonts-liberation"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

BUILD=${NOYALIS_BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD"

case "${1:-run}" in
  run) exec "$BUILD/app/noyalis" ;;
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD" --output-on-failure
    # The Qt-free kernel and models once more under the address and undefined-behaviour sanitizers.
    SAN="$BUILD-sanitize"
    cmake -S . -B "$SAN" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOYALIS_BUILD_UI=OFF \
      -DNOYALIS_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all"
    cmake --build "$SAN"
    ctest --test-dir "$SAN" --output-on-failure
    ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
