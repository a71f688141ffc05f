#!/bin/sh
# Takes the screenshots of the desktop metadata (packaging/screenshots/*.png) from the program
# itself, offscreen, then checks the metadata. Publish the pictures at the addresses the
# metadata gives.
set -eu
cd "$(dirname "$0")/.."
BUILD=${NOYALIS_BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD" --target noyalis_screenshots
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$BUILD/noyalis_screenshots" packaging/screenshots
appstreamcli validate --no-net packaging/org.noyalis.noyalis.metainfo.xml
