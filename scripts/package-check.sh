#!/usr/bin/env bash
# Builds the package, unpacks it into a temporary root and runs the unpacked
# programs with a temporary HOME, under strace, to prove that they find all
# they need in the package and nothing in the source or build tree.
source "$(dirname "$0")/common.sh"
bash "$PDX_ROOT/scripts/package.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
dpkg-deb -x "$PDX_ROOT"/dist/pelodex_*.deb "$root"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$work"
unset OLDPWD # bash looks at it when it starts

passed=0
failed=0
# check NAME COMMAND...: runs COMMAND under strace; it must succeed and open
# nothing under the source tree.
check() {
  local name=$1
  shift
  if strace -f -qq -e trace=%file -o "$work/trace" "$@" >"$work/out" 2>&1 &&
    ! grep -F "\"$PDX_ROOT/" "$work/trace" >/dev/null; then
    echo "ok: $name"
    passed=$((passed + 1))
  else
    echo "FAILED: $name"
    sed 's/^/    /' "$work/out" | head -20
    grep -F "\"$PDX_ROOT/" "$work/trace" | head -5 | sed 's/^/    opened: /'
    failed=$((failed + 1))
  fi
}

bin="$root/usr/bin"
check "pelodex-cli --version" "$bin/pelodex-cli" --version
check "pelodex-cli --help" "$bin/pelodex-cli" --help
check "datafile sample" "$bin/pelodex-cli" datafile sample "$work/sample.dat"
check "datafile show" "$bin/pelodex-cli" datafile show "$work/sample.dat"
check "lunar" "$bin/pelodex-cli" lunar 2001-05-23
check "melody import-rtttl" "$bin/pelodex-cli" melody import-rtttl 'tune:d=4,o=5,b=120:c,e,g,c6' --out "$work/t.pcm"
check "melody render" "$bin/pelodex-cli" melody render "$work/t.pcm" --out "$work/t.wav"
# The programs run until closed: a start that is still up after a few
# seconds (timeout's 124) has found its fonts, skins and help.
for program in Pelodex Carrowin Velluto; do
  args=()
  [ "$program" = Pelodex ] && args=(--TestMode)
  check "$program starts" bash -c 'timeout 5 "$@"; [ $? -eq 124 ]' _ "$bin/$program" "${args[@]}"
done
check "desktop entries" desktop-file-validate "$root"/usr/share/applications/*.desktop
check "AppStream metadata" appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml
check "manual pages" bash -c 'for m in "$@"; do LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$m" 2>&1 >/dev/null | grep . && exit 1; done; exit 0' _ "$root"/usr/share/man/man1/*.1.gz "$root"/usr/share/man/ko/man1/*.1.gz
check "bash completion" bash -c 'source "$1" && complete -p pelodex-cli' _ "$root/usr/share/bash-completion/completions/pelodex-cli"

echo "package check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
