#!/usr/bin/env bash
# Sets up a Debian machine, builds the suite, starts the simulated phone and
# runs Pelodex connected to it. The phone's password is 0000.
source "$(dirname "$0")/common.sh"
pdx_install_packages
pdx_build "$PDX_ROOT/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "화면이 없습니다 (DISPLAY도 WAYLAND_DISPLAY도 설정되어 있지 않음). 그래픽 화면에서 다시 실행하십시오." >&2
  exit 2
fi

data="${XDG_DATA_HOME:-$HOME/.local/share}/QZ Telecom"
mkdir -p "$data"
state="$data/simulated-phone.json"
log="$(mktemp)"
"$PDX_ROOT/build/cli/pelodex-cli" simulate --state "$state" >"$log" 2>&1 &
simulator=$!
trap 'kill "$simulator" 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 50); do
  [ -s "$log" ] && break
  sleep 0.1
done
device="$(head -n 1 "$log")"
if [ ! -e "$device" ]; then
  echo "모의 휴대폰을 시작할 수 없습니다: $(cat "$log")" >&2
  exit 1
fi
echo "모의 휴대폰: $device (상태 파일: $state)"
echo "휴대폰 비밀번호는 0000 입니다."
"$PDX_ROOT/build/apps/pelodex/Pelodex" --device "$device"
