#!/bin/sh
# Pictures of the speed-dial, alarm and phone-options pages and the alarm
# dialog, taken from Pelodex on the simulated phone on a private X display
# (Xvfb, xcb), into OUT (default build/settings-shots), and the same in
# English into OUT/en.
set -eu
cd "$(dirname "$0")/.."
OUT=${1:-build/settings-shots}
cmake --build build -j2 --target Pelodex pelodex-cli
/usr/bin/python3 scripts/a11y/shots.py build "$OUT" settings
exec /usr/bin/python3 scripts/a11y/shots.py --lang en build "$OUT/en" settings
