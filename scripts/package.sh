#!/usr/bin/env bash
# Builds the Debian package of the suite into dist/ and checks it with
# lintian. Install it with: sudo apt install ./dist/pelodex_*.deb
source "$(dirname "$0")/common.sh"
pdx_install_packages
pdx_build "$PDX_ROOT/build"
rm -rf "$PDX_ROOT/dist"
mkdir -p "$PDX_ROOT/dist"
(cd "$PDX_ROOT/build" && cpack -G DEB -B "$PDX_ROOT/dist/cpack" >/dev/null)
mv "$PDX_ROOT"/dist/cpack/*.deb "$PDX_ROOT/dist/"
rm -rf "$PDX_ROOT/dist/cpack"
deb=$(ls "$PDX_ROOT"/dist/pelodex_*.deb)
echo "Package: $deb"
# Errors fail the build; the warnings that stay are explained in the README.
lintian --fail-on error --suppress-tags-from-file "$PDX_ROOT/scripts/lintian-expected.txt" "$deb"
