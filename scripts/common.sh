# Sourced by the other scripts: installs what the project needs and builds.
set -euo pipefail

PDX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export CCACHE_BASEDIR="$PDX_ROOT"
export CCACHE_NOHASHDIR=1

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the missing packages of scripts/packages.txt; does nothing when all
# are present.
pdx_install_packages() {
  local missing=()
  local pkg
  while read -r pkg; do
    case "$pkg" in ''|'#'*) continue ;; esac
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done < "$PDX_ROOT/scripts/packages.txt"
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# pdx_build DIR [cmake options...]: configures (once) and builds into DIR.
pdx_build() {
  local dir="$1"
  shift
  cmake -S "$PDX_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${PDX_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
