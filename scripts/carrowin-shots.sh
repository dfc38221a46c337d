#!/usr/bin/env bash
# Pictures of Carrowin with a sample melody, as a user sees them: the
# real program started on a private X display (Xvfb, xcb) and grabbed from
# the screen, to PNG files in OUT (default shots/; docs/ for the README's),
# in Korean and in English (carrowin-en.png).
source "$(dirname "$0")/common.sh"
out="${1:-$PDX_ROOT/shots}"
pdx_build "$PDX_ROOT/build"
/usr/bin/python3 "$PDX_ROOT/scripts/a11y/shots.py" "$PDX_ROOT/build" "$out" carrowin
PDX_WALK_LANGUAGE=en exec /usr/bin/python3 "$PDX_ROOT/scripts/a11y/shots.py" "$PDX_ROOT/build" "$out" carrowin
