# Shared by scripts/run and scripts/test: installs what is missing, configures and builds.
# Sourced, not run.

SPOONWISE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Everything the build, the tests, the benchmarks, the screenshots, packaging and fuzzing
# need, so that a fresh Debian 12 machine is set up once.
SPOONWISE_PACKAGES=(
    cmake ninja-build g++ git
    qt6-base-dev qt6-svg-dev libqt6svg6
    libgtest-dev libbenchmark-dev
    clang-format clang lld libclang-rt-14-dev
    fonts-liberation fonts-liberation2
    xvfb xauth imagemagick xdotool time
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi qt6-gtk-platformtheme
    desktop-file-utils appstream dpkg-dev file groff-base
)

missing_packages() {
    local package status
    for package in "${SPOONWISE_PACKAGES[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ $status == "install ok installed" ]] || printf '%s\n' "$package"
    done
}

ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages)
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing. Install them, then run this again:" >&2
        echo "  sudo apt-get install --no-install-recommends ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_tree <directory> <build type> [extra cmake arguments...]
build_tree() {
    local dir=$1 type=$2
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$SPOONWISE_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
    fi
    cmake --build "$dir"
}
