#!/usr/bin/env bash
# Pictures of Pelodex's main menu and its phonebook page on the simulated
# phone, as a user sees them: the real program started on a private X
# display (Xvfb, xcb) and grabbed from the screen, to PNG files in OUT
# (default shots/; docs/ for the README's), and in English into OUT/en.
source "$(dirname "$0")/common.sh"
out="${1:-$PDX_ROOT/shots}"
pdx_build "$PDX_ROOT/build"
/usr/bin/python3 "$PDX_ROOT/scripts/a11y/shots.py" "$PDX_ROOT/build" "$out" pelodex
exec /usr/bin/python3 "$PDX_ROOT/scripts/a11y/shots.py" --lang en "$PDX_ROOT/build" "$out/en" pelodex
