#!/bin/sh
# Renders the speed-dial, alarm and phone-options pages, the assign and alarm
# edit dialogs and the main menu to PNG into OUT (default
# build/settings-shots), offscreen, for looking at them.
set -eu
cd "$(dirname "$0")/.."
OUT=${1:-build/settings-shots}
mkdir -p "$OUT"
cmake --build build -j2 --target pdx_settings_shots
QT_QPA_PLATFORM=offscreen build/features/options/pdx_settings_shots "$OUT"
ls "$OUT"
