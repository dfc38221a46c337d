#!/usr/bin/env bash
# Sets up a Debian machine, builds the suite and runs the main job: for now,
# pelodex-cli writes a sample data file and shows it.
source "$(dirname "$0")/common.sh"
pdx_install_packages
pdx_build "$PDX_ROOT/build"
sample="$(mktemp -d)/Pelodex.dat"
"$PDX_ROOT/build/cli/pelodex-cli" datafile sample "$sample"
"$PDX_ROOT/build/cli/pelodex-cli" datafile show "$sample"
"$PDX_ROOT/build/cli/pelodex-cli" datafile export "$sample" --format csv
