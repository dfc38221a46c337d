#!/usr/bin/env bash
# Builds with clang under AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test there.
source "$(dirname "$0")/common.sh"
pdx_install_packages
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
PDX_BUILD_TYPE=Debug pdx_build "$PDX_ROOT/build-asan" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DPDX_BENCH=OFF
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PDX_ROOT/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$PDX_ROOT/build-asan"
ctest --output-on-failure -j "$(nproc)" --timeout 600
