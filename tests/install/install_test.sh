#!/usr/bin/env bash
# Installs a build tree into a temporary DESTDIR with prefix /usr, then checks every installed
# file against the table below (and that nothing else is installed), and runs the desktop entry
# and AppStream validators on the installed files.
# Usage: install_test.sh <build directory> <source directory> <project version>
set -euo pipefail
build=$1 source=$2 version=$3

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
if ! log=$(DESTDIR=$stage cmake --install "$build" --prefix /usr 2>&1); then
    echo "$log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi
root=$stage/usr
app_id=com.example.Spoonwise
# The release day, as the newest entry of the changelog writes it ("Sun, 06 Dec 2026 ...").
released=$(date -d "$(sed -n 's/^ -- .*>  [A-Z][a-z]*, \([0-9]* [A-Z][a-z]* [0-9]*\) .*/\1/p' \
    "$source/debian/changelog" | head -n 1)" +%F)

# Installed path (below /usr) and what it must be.
expected=(
    "bin/spoonwise program"
    "share/applications/$app_id.desktop desktop"
    "share/metainfo/$app_id.metainfo.xml metainfo"
    "share/man/man1/spoonwise.1 man"
    "share/icons/hicolor/scalable/apps/$app_id.svg svg"
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png png:$size")
done

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

check_program() {
    local file=$1
    [ -x "$file" ] || fail "$file is not executable"
    [[ $(file -b "$file") == ELF*executable* ]] || fail "$file is not an ELF executable: $(file -b "$file")"
    if readelf -d "$file" | grep -Eq '\((RPATH|RUNPATH)\)'; then
        fail "$file carries an RPATH: $(readelf -d "$file" | grep -E 'RPATH|RUNPATH')"
    fi
}

check_png() {
    local file=$1 size=$2 opaque
    [[ $(file -b "$file") == "PNG image data, $size x $size,"* ]] ||
        fail "$file is not a ${size}x$size PNG: $(file -b "$file")"
    # A failed rendering leaves a fully transparent picture.
    opaque=$(identify -format '%[fx:maxima.a]' "$file" 2>&1) || true
    [ "$opaque" = 1 ] || fail "$file has no opaque pixel (largest alpha: $opaque)"
}

check_desktop() {
    local file=$1 output exec icon
    output=$(desktop-file-validate "$file" 2>&1) || true
    [ -z "$output" ] || fail "desktop-file-validate $file: $output"
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$file")
    [ -x "$root/bin/$exec" ] || fail "Exec=$exec is not an installed program"
    icon=$(sed -n 's/^Icon=//p' "$file")
    [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not an installed icon"
}

check_metainfo() {
    local file=$1 output
    # Infos and pedantic notes are allowed; errors and warnings are not.
    if ! output=$(appstreamcli validate --no-net --no-color "$file" 2>&1) || grep -Eq '^[EW]:' <<<"$output"; then
        fail "appstreamcli validate $file: $output"
    fi
    # The tree check also looks for the launchable desktop entry among the installed files.
    output=$(appstreamcli validate-tree --no-net --no-color "$stage" 2>&1) ||
        fail "appstreamcli validate-tree: $output"
    grep -q "<release version=\"$version\" date=\"$released\"" "$file" ||
        fail "$file has no release $version of $released"
    local shot
    for shot in "$source"/docs/screenshots/*.png; do
        # The Windows build's picture is the README's; a Linux software centre shows Linux ones.
        [[ ${shot##*/} != windows-* ]] || continue
        grep -q "<image>[^<]*/docs/screenshots/${shot##*/}</image>" "$file" ||
            fail "$file does not list the screenshot ${shot##*/}"
    done
}

check_man() {
    local file=$1 output
    output=$(LC_ALL=C.UTF-8 groff -man -ww -z "$file" 2>&1) || fail "groff cannot read $file"
    [ -z "$output" ] || fail "groff warnings for $file: $output"
    output=$(mandoc -T lint "$file" 2>&1) || true
    [ -z "$output" ] || fail "mandoc -T lint $file: $output"
    grep -q "^\.TH SPOONWISE 1 $released \"Spoonwise II $version\"" "$file" ||
        fail "$file does not name version $version of $released"
}

for row in "${expected[@]}"; do
    path=${row% *} kind=${row##* }
    file=$root/$path
    if [ ! -f "$file" ]; then
        fail "missing /usr/$path"
        continue
    fi
    case $kind in
    program) check_program "$file" ;;
    png:*) check_png "$file" "${kind#png:}" ;;
    svg) cmp -s "$file" "$source/resources/icons/spoonwise.svg" || fail "$file differs from the program's icon" ;;
    desktop) check_desktop "$file" ;;
    metainfo) check_metainfo "$file" ;;
    man) check_man "$file" ;;
    *) fail "unknown kind $kind in the table" ;;
    esac
done

# Nothing installed beyond the table.
mapfile -t installed < <(cd "$stage" && find . ! -type d | sed 's|^\./usr/||' | sort)
for path in "${installed[@]}"; do
    listed=false
    for row in "${expected[@]}"; do
        [ "${row% *}" = "$path" ] && listed=true && break
    done
    $listed || fail "unexpected installed file $path"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Installed ${#expected[@]} files; all checks passed."
