#!/usr/bin/env bash
# Walks through the programs' windows the way a screen reader does (see
# scripts/a11y/): builds, then runs every walk, or the ones named.
source "$(dirname "$0")/common.sh"
pdx_install_packages
pdx_build "$PDX_ROOT/build"
exec /usr/bin/python3 "$PDX_ROOT/scripts/a11y/run_walks.py" "$PDX_ROOT/build" "$@"
