#!/usr/bin/env bash
# Sets up a Debian machine, builds the whole suite and runs every test.
source "$(dirname "$0")/common.sh"
pdx_install_packages
pdx_build "$PDX_ROOT/build"
cd "$PDX_ROOT/build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
