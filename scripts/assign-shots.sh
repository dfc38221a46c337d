#!/bin/sh
# Pictures of the melody and animation pages, with a sample file in each
# folder, taken from Pelodex on the simulated phone on a private X display
# (Xvfb, xcb), into OUT (default build/assign-shots), and the same in
# English into OUT/en.
set -eu
cd "$(dirname "$0")/.."
OUT=${1:-build/assign-shots}
cmake --build build -j2 --target Pelodex pelodex-cli
/usr/bin/python3 scripts/a11y/shots.py build "$OUT" assign
exec /usr/bin/python3 scripts/a11y/shots.py --lang en build "$OUT/en" assign
