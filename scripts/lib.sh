# Shared by run.sh and test.sh: installs what is missing, builds.

# Everything the builds, the unit tests and the Wine end-to-end tests need.
KESTRUNE_PACKAGES=(
  cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xdotool x11-utils socat fonts-wqy-microhei imagemagick python3
)

ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_windows() {
  cmake --preset windows >/dev/null
  cmake --build --preset windows
}

build_native() {
  cmake --preset native >/dev/null
  cmake --build --preset native "$@"
}
