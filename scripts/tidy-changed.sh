#!/bin/sh
# Runs clang-tidy with the root .clang-tidy on the C++ files changed against
# a base (default: main), using build/compile_commands.json (PDX_BUILD_DIR
# to use another build). A changed header is checked through the sources
# that include it; exits non-zero on any finding.
#   scripts/tidy-changed.sh [BASE]
set -eu
root=$(git rev-parse --show-toplevel)
build=${PDX_BUILD_DIR:-$root/build}
base=$(git -C "$root" merge-base "${1:-main}" HEAD)
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy-changed: $build/compile_commands.json missing; build first (scripts/test-all.sh)" >&2
  exit 66
fi
changed=$(git -C "$root" diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h')
[ -n "$changed" ] || exit 0
sources=""
headers=""
for f in $changed; do
  case $f in
  *.h) headers="$headers|$f"
       stem=${f%.h}
       [ -f "$root/$stem.cpp" ] && sources="$sources $root/$stem.cpp" ;;
  *) sources="$sources $root/$f" ;;
  esac
done
[ -n "$sources" ] || exit 0
filter="^$root/(${headers#|})\$"
[ -n "$headers" ] || filter='^$'
# shellcheck disable=SC2086 # one argument per source file
exec clang-tidy -p "$build" --quiet --header-filter="$filter" $(printf '%s\n' $sources | sort -u)
