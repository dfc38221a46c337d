#!/bin/sh
# Renders the melody and animation pages with sample files (one slot
# preview filled, an effect running) to PNG into OUT (default
# build/assign-shots) for looking at them.
set -eu
cd "$(dirname "$0")/.."
OUT=${1:-build/assign-shots}
mkdir -p "$OUT"
cmake --build build -j2 --target pdx_media_shots
QT_QPA_PLATFORM=offscreen build/features/animations/pdx_media_shots "$OUT"
echo "$OUT"
