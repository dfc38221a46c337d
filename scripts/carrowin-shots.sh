#!/usr/bin/env bash
# Renders Carrowin's main window with a sample melody in C major, F major and
# C# major, with a selection and the ghost note on the entry staff, to PNG
# files in OUT (default shots/), offscreen.
source "$(dirname "$0")/common.sh"
out="${1:-$PDX_ROOT/shots}"
mkdir -p "$out"
pdx_build "$PDX_ROOT/build"
PDX_SHOTS_DIR="$(cd "$out" && pwd)" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$(mktemp -d)" \
  "$PDX_ROOT/build/apps/carrowin/pdx_carrowin_test" --gtest_filter='*GhostNote*'
ls "$out"/carrowin-*.png
