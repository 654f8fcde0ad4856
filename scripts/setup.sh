# Shared by scripts/run and scripts/test: installs what the build needs from
# Debian's packages (only what is missing), then configures and builds a preset.
# Source it; do not run it.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Everything the build, the program and the tests need on Debian 12.
PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-liberation poppler-utils xvfb xauth)

install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_preset NAME: configures (once) and builds the CMake preset NAME.
build_preset() {
    local preset="$1"
    cd "$ROOT"
    if [ ! -f "build/$preset/build.ninja" ]; then
        cmake --preset "$preset"
    fi
    cmake --build --preset "$preset"
}
