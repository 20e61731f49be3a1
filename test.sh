#!/usr/bin/env bash
# Builds Pelmora and runs every test, then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
# cups, cups-filters and poppler-utils: the printout test runs a CUPS scheduler of its own and
# reads the PDF file its printer writes. dbus-daemon: the import test runs a session bus of its
# own. fonts-dejavu-core: the menu measuring test needs a face whose text is 13 pixels high,
# which Liberation has at no size.
ensure_packages "${BUILD_PACKAGES[@]}" googletest libgtest-dev libbenchmark-dev cups cups-filters poppler-utils \
    dbus-daemon fonts-dejavu-core

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j"$jobs")
