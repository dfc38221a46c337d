#!/usr/bin/env bash
# Renders Pelodex's log-on page, the menu online and offline, the help page
# and the phonebook page on the simulated phone to PNG files in OUT (default
# shots/), offscreen.
source "$(dirname "$0")/common.sh"
out="${1:-$PDX_ROOT/shots}"
mkdir -p "$out"
pdx_build "$PDX_ROOT/build"
PDX_SHOTS_DIR="$(cd "$out" && pwd)" QT_QPA_PLATFORM=offscreen "$PDX_ROOT/build/apps/pelodex/pdx_pelodex_app_test"
ls "$out"
