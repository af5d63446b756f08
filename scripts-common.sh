# Shared by run.sh and test.sh: install what is missing, configure and build.
set -euo pipefail

NIMBO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
NIMBO_PACKAGES=(build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev
  libxlsxwriter-dev libfreexl-dev libzip-dev libcurl4-openssl-dev libgtest-dev libgmock-dev
  postgresql python3 python3-aiosmtpd fonts-dejavu-core unzip desktop-file-utils appstream qt6-translations-l10n)

nimbo_install() {
  local missing=()
  for p in "${NIMBO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

nimbo_build() {
  local type="$1" dir="$2"
  export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/nimbo-ccache}"
  # Relative paths in the cache keys: every clone of the tree shares the cache.
  export CCACHE_BASEDIR="$NIMBO_ROOT" CCACHE_NOHASHDIR=1
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$NIMBO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" >/dev/null
  fi
  cmake --build "$dir" -j "$(nproc)"
}
