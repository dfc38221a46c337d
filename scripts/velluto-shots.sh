#!/bin/sh
# Renders the animation editor with a drawing, its effect preview in the
# middle of an effect, and the import dialog with a photograph loaded, to
# PNG files in OUT (default build/velluto-shots), offscreen. PHOTO names the
# photograph (.bmp, .gif or .jpg); without one a made-up picture is used.
set -eu
cd "$(dirname "$0")/.."
OUT=${1:-build/velluto-shots}
PHOTO=${2:-}
mkdir -p "$OUT"
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake --build build -j2 --target pdx_velluto_shots
HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT
XDG_CONFIG_HOME="$HOME_DIR/config" XDG_DATA_HOME="$HOME_DIR/data" QT_QPA_PLATFORM=offscreen \
  build/apps/velluto/pdx_velluto_shots "$OUT" $PHOTO
ls "$OUT"
