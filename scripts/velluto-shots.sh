#!/usr/bin/env bash
# Pictures of Velluto with a sample drawing, as a user sees them: the
# real program started on a private X display (Xvfb, xcb) and grabbed from
# the screen, to PNG files in OUT (default shots/; docs/ for the README's),
# in Korean and in English (velluto-en.png).
source "$(dirname "$0")/common.sh"
out="${1:-$PDX_ROOT/shots}"
pdx_build "$PDX_ROOT/build"
/usr/bin/python3 "$PDX_ROOT/scripts/a11y/shots.py" "$PDX_ROOT/build" "$out" velluto
PDX_WALK_LANGUAGE=en exec /usr/bin/python3 "$PDX_ROOT/scripts/a11y/shots.py" "$PDX_ROOT/build" "$out" velluto
