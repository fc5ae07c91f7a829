# shellcheck shell=bash
# Shared by the scripts: installs what a command needs, configures and builds. Sourced, not run.

SPOONWISE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The Debian packages each kind of work needs, as "package" or "package:command"; the command
# is what other systems are checked for, where there is no dpkg to ask. Libraries have none:
# CMake names a missing one. Where Debian 12 and 13 differ, an entry names the choices,
# "first|second": the first one the release offers is used (see choose_package).
declare -A SPOONWISE_PACKAGE_GROUPS=(
    [build]="cmake:cmake ninja-build:ninja g++:g++ qt6-base-dev qt6-svg-dev qt6-tools-dev
        qt6-l10n-tools:lrelease"
    # The stand-in faces the windows ask for by name. Liberation Sans Narrow is in
    # fonts-liberation up to Debian 12 and has a package of its own from Debian 13. So has Qt's
    # SVG icon engine, which draws the toolbar's pictures and the window icon. Qt's own texts
    # in the user's language.
    [run]="fonts-liberation fonts-liberation-sans-narrow|fonts-liberation
        qt6-svg-plugins|libqt6svg6 qt6-translations-l10n"
    # Running the program without a display: a private X server, its window found and saved.
    [headless]="xvfb:Xvfb xauth:xauth xdotool:xdotool imagemagick:import"
    # Reading the converter back as a screen reader does, and a dark desktop theme to shoot.
    [screenshots]="dbus-daemon:dbus-run-session dbus-bin at-spi2-core python3-pyatspi
        qt6-gtk-platformtheme gnome-themes-extra locales:localedef"
    [test]="libgtest-dev libbenchmark-dev clang-format:clang-format shellcheck:shellcheck
        desktop-file-utils:desktop-file-validate appstream:appstreamcli groff-base:groff
        mandoc:mandoc imagemagick:identify file:file binutils:readelf python3:python3
        weston:weston sway:sway grim:grim qt6-wayland"
    # The release's default clang and the sanitizer and libFuzzer runtimes that go with it.
    [fuzz]="cmake:cmake ninja-build:ninja clang:clang++ libclang-rt-dev"
    # The Windows build: the cross compiler, Wine to run it, the installer's maker, the icon
    # file's maker, the stand-in faces and Qt's catalogs it carries, GoogleTest's sources, and
    # what builds Qt from Debian's source package.
    [windows]="g++-mingw-w64-x86-64-posix:x86_64-w64-mingw32-g++-posix mingw-w64-tools wine:wine
        xvfb:Xvfb xauth:xauth xdotool:xdotool imagemagick:import nsis:makensis icoutils:icotool
        zip:zip fonts-liberation2 googletest dpkg-dev:dpkg-source"
    # The package's own build dependencies come from debian/control (see ensure_build_depends).
    [package]="dpkg-dev:dpkg-buildpackage debhelper:dh lintian:lintian git:git"
    [verify]="debootstrap:debootstrap"
)

# package_entries <group>...: prints the entries of the groups, one a line, each once.
package_entries() {
    local group entries
    for group in "$@"; do
        [ -n "${SPOONWISE_PACKAGE_GROUPS[$group]+set}" ] || {
            echo "unknown package group: $group" >&2
            return 1
        }
        read -r -d '' -a entries <<<"${SPOONWISE_PACKAGE_GROUPS[$group]}" || true
        printf '%s\n' "${entries[@]}"
    done | awk '!seen[$0]++'
}

# offered <package>: true when apt knows a version of it to install, or it is installed.
offered() {
    local policy # read whole first: grep -q would stop apt-cache early, and pipefail sees that
    policy=$(apt-cache policy "$1" 2>/dev/null) || return 1
    grep -q -E '^ +(Installed|Candidate): [^(]' <<<"$policy"
}

# choose_package <first|second|...>: prints the first of the packages that this release offers.
# A bare system may not have read its package lists yet; as root they are read once, then.
choose_package() {
    local choice attempt
    local -a choices
    IFS='|' read -r -a choices <<<"$1"
    [ ${#choices[@]} -gt 1 ] || { echo "$1"; return 0; }
    for attempt in first again; do
        for choice in "${choices[@]}"; do
            offered "$choice" && { echo "$choice"; return 0; }
        done
        if [ "$attempt" = again ] || [ "$(id -u)" -ne 0 ]; then break; fi
        apt-get update -qq >&2
    done
    echo "None of $1 is known to apt; update its package lists (apt-get update)." >&2
    return 1
}

# debian_mirror: the Debian mirror for debootstrap; SPOONWISE_MIRROR, else the one apt uses here.
debian_mirror() {
    local mirror
    mirror=${SPOONWISE_MIRROR:-$(grep -h -o -E 'https?://[^ ]*/debian/?( |$)' /etc/apt/sources.list \
        /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1 | tr -d ' ' || true)}
    echo "${mirror:-http://deb.debian.org/debian}"
}

# project_version: the program's version, as CMakeLists.txt's project() names it.
project_version() {
    sed -n -E 's/^ +VERSION ([0-9.]+)$/\1/p' "$SPOONWISE_ROOT/CMakeLists.txt" | head -n 1
}

# release_epoch: the newest debian/changelog entry's date in seconds, the release date that
# reproducible builds write as every file's time (SOURCE_DATE_EPOCH).
release_epoch() {
    dpkg-parsechangelog -l "$SPOONWISE_ROOT/debian/changelog" -S Timestamp
}

# install_or_name <package>...: installs the packages as root; otherwise prints the command.
install_or_name() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing. Install them, then run this again:" >&2
        echo "  sudo apt-get install --no-install-recommends $*" >&2
        return 1
    fi
    echo "Installing: $*"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "$@"
}

# ensure_packages <group>...: makes sure that what the groups need is there. On Debian it
# installs the missing packages (as root) or prints the command to do so; elsewhere it names
# the missing commands and carries on. SPOONWISE_SKIP_PACKAGES=1 skips the check.
ensure_packages() {
    [ "${SPOONWISE_SKIP_PACKAGES:-0}" = 1 ] && return 0
    local entries entry missing=() status
    mapfile -t entries < <(package_entries "$@")
    if ! command -v dpkg-query >/dev/null; then
        for entry in "${entries[@]}"; do
            [[ $entry == *:* ]] || continue
            command -v "${entry#*:}" >/dev/null || missing+=("${entry#*:}")
        done
        if [ ${#missing[@]} -gt 0 ]; then
            echo "Not a Debian system; these tools were not found: ${missing[*]}" >&2
            echo "Install them with your system's package manager (libraries: CMake names those)." >&2
        fi
        return 0
    fi
    local package
    for entry in "${entries[@]}"; do
        package=$(choose_package "${entry%%:*}") || return 1
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ $status == "install ok installed" ]] || missing+=("$package")
    done
    mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk 'NF && !seen[$0]++')
    [ ${#missing[@]} -eq 0 ] || install_or_name "${missing[@]}"
}

# ensure_build_depends <source tree>: installs the Build-Depends of its debian/control.
ensure_build_depends() {
    local source=$1
    [ "${SPOONWISE_SKIP_PACKAGES:-0}" = 1 ] && return 0
    (cd "$source" && dpkg-checkbuilddeps 2>/dev/null) && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "The package's build dependencies are missing. Install them, then run this again:" >&2
        echo "  sudo apt-get build-dep --no-install-recommends $source" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get build-dep -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "$source"
}

# build_tree <directory> <build type> [extra cmake arguments...]: configures every time, so
# that an existing tree cannot keep other settings, then builds. Warnings are errors here.
build_tree() {
    local dir=$1 type=$2
    shift 2
    cmake -S "$SPOONWISE_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
    cmake --build "$dir"
}
