#!/usr/bin/env bash
# Builds Pelmora in build/ and starts it. Without a display it starts it on Xvfb, saves a
# screenshot of its main window, prints the screenshot's path and ends it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

headless=0
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && headless=1
if [ "$headless" -eq 1 ]; then
    ensure_packages "${BUILD_PACKAGES[@]}" xvfb x11-utils imagemagick
else
    ensure_packages "${BUILD_PACKAGES[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target pelmora make-contacts-db

# The contacts live beside the program; an existing file is never touched.
[ -e build/contacts.dat ] || build/tools/make-contacts-db build/contacts.dat

if [ "$headless" -eq 0 ]; then
    exec build/pelmora
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

build/pelmora &
program=$!
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Pelmora"/ && / 562x/ {print $1; exit}')
    [ -n "$window" ] && break
    kill -0 "$program" 2>/dev/null || { echo "Pelmora ended before it showed its window" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "Pelmora showed no window" >&2; exit 1; }
sleep 1 # let it finish painting
shot="$PWD/build/pelmora-screenshot.png"
import -window "$window" "$shot"
echo "$shot"
