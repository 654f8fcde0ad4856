# Shared by the scripts: installs what is needed from Debian's packages (only
# what is missing), then configures and builds a preset. Source it; do not run it.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What building and running the program needs on Debian 12: libcups2-dev
# lets the program ask the print system whether a queue took a report.
PACKAGES=(cmake ninja-build g++ qt6-base-dev nlohmann-json3-dev libcups2-dev fonts-liberation)
# What the tests need besides: pdftotext reads printed reports back.
TEST_PACKAGES=(poppler-utils)
# What the browser edition needs to build (scripts/web): emscripten compiles
# the core, Node.js (with npm) runs the TypeScript compiler and the bundler.
WEB_PACKAGES=(cmake ninja-build emscripten nlohmann-json3-dev)
# What its tests need besides: a browser for Playwright to drive.
WEB_TEST_PACKAGES=(chromium)
# A virtual display (xvfb-run), for windows on a machine without a display.
DISPLAY_PACKAGES=(xvfb xauth)

has_display() {
    [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]
}

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

# Node.js (which may come from elsewhere than Debian, with its own npm) and
# the npm packages of web/ as its package-lock.json pins them.
install_web_packages() {
    command -v npm >/dev/null || install_missing nodejs npm
    if [ ! -d "$ROOT/web/node_modules" ] ||
        [ "$ROOT/web/package-lock.json" -nt "$ROOT/web/node_modules/.package-lock.json" ]; then
        # Chromium comes from Debian, not from Playwright's download.
        (cd "$ROOT/web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
    fi
}

# build_preset NAME: configures the CMake preset NAME (once, and again when the
# presets change) and builds it.
build_preset() {
    local preset="$1"
    cd "$ROOT"
    if [ ! -f "build/$preset/build.ninja" ] || [ CMakePresets.json -nt "build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset"
    fi
    cmake --build --preset "$preset"
}
