#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each for a short time,
# starting from its committed seed corpus. The targets read with the
# programs' own limits, so a failure here is one users can meet: one
# allocation past the largest those limits allow (a 64-megapixel picture is
# 192 MB) or a process past 1 GB (a few hundred MB of the programs' own,
# plus the sanitizers' shadow memory and quarantine) fails the run.
source "$(dirname "$0")/common.sh"
pdx_install_packages
seconds="${PDX_FUZZ_SECONDS:-8}"
PDX_BUILD_TYPE=RelWithDebInfo pdx_build "$PDX_ROOT/build-fuzz" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DPDX_FUZZ=ON -DPDX_GUI=OFF -DPDX_BENCH=OFF
cd "$PDX_ROOT/build-fuzz"
status=0
while IFS='=' read -r name corpus; do
  [ -n "$name" ] || continue
  work="$(mktemp -d)"
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "== fuzzing $name for ${seconds}s"
  if ! "./fuzzers/$name" -max_total_time="$seconds" -rss_limit_mb=1024 -malloc_limit_mb=512 -print_final_stats=0 "$work" 2>"fuzz-$name.log"; then
    tail -n 60 "fuzz-$name.log"
    status=1
  fi
  rm -rf "$work"
done < fuzzers.txt
exit $status
