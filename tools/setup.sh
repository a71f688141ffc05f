#!/bin/sh
# Installs what is missing on Debian 12, builds noyalis (Release, Ninja), then either starts it
# (run) or runs every test headless (test). Run as root, or as a user with sudo.
set -eu
cd "$(dirname "$0")/.."

PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
libqcustomplot-dev libgtest-dev libbenchmark-dev libcups2-dev libboost-dev appstream fonts-dejavu-core fonts-liberation"
# The test command also checks the formatting and fuzzes the isotope list parser and the
# results-file reader, with clang's libFuzzer.
[ "${1:-run}" = test ] && PACKAGES="$PACKAGES clang-format clang libclang-rt-14-dev"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

# The test command builds with warnings as errors (and checks the formatting); the run command
# tolerates warnings.
WERROR=OFF
[ "${1:-run}" = test ] && WERROR=ON
BUILD=${NOYALIS_BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNOYALIS_WERROR=$WERROR
cmake --build "$BUILD"

case "${1:-run}" in
  run) exec "$BUILD/app/noyalis" ;;
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD" --output-on-failure
    # The Qt-free kernel and models once more under the address and undefined-behaviour sanitizers.
    SAN="$BUILD-sanitize"
    cmake -S . -B "$SAN" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOYALIS_BUILD_UI=OFF \
      -DNOYALIS_BUILD_BENCH=OFF -DNOYALIS_WERROR=ON -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all"
    cmake --build "$SAN"
    ctest --test-dir "$SAN" --output-on-failure
    # The isotope list parser and the results-file reader fuzzed for 20 s each (new inputs go to a
    # scratch folder, the seeds stay).
    for TARGET in isotope_list results_file; do
      FUZZ="$BUILD-fuzz-$TARGET"
      cmake -S "fuzz/$TARGET" -B "$FUZZ" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
      cmake --build "$FUZZ"
      SCRATCH=$(mktemp -d)
      "$FUZZ/${TARGET}_fuzz" -max_total_time=20 -print_final_stats=1 "$SCRATCH" "fuzz/$TARGET/corpus"
      rm -rf "$SCRATCH"
    done
    ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
