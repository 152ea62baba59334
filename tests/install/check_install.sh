#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands where: the two programs, the
# launcher (accepted by desktop-file-validate, naming the installed program), the icons at every
# size, the metainfo (accepted by appstreamcli), the simulator's manual (every script command and
# transcript line of its --help), and that the autostart entry the program writes follows the
# launcher. Then removes the files as the README says and checks that nothing is left.
# The prefix holds a space, so the launcher's Exec quoting is exercised.
#
# usage: check_install.sh BUILD_DIR WRITE_AUTOSTART_ENTRY
# Exit 77 (skipped) when a tool the checks need is not installed.
set -euo pipefail

build=$1
write_autostart_entry=$2
id=org.example.ruvometer

for tool in cmake desktop-file-validate appstreamcli groff xmllint od; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
# Installing writes install_manifest.txt into the build folder: keep the one of a real install.
manifest=$build/install_manifest.txt
saved=
if [ -e "$manifest" ]; then
    saved=$work/install_manifest.saved
    cp "$manifest" "$saved"
fi
cleanup() {
    if [ -n "$saved" ]; then cp "$saved" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The value of KEY in the [Desktop Entry] group of FILE, as written.
entry_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$2" | head -n 1
}

expect_value() {  # FILE KEY EXPECTED
    local actual
    actual=$(entry_value "$2" "$1")
    [ "$actual" = "$3" ] || fail "$1: $2 is '$actual', expected '$3'"
}

# A validator's verdict: it must succeed and have nothing to say (hints included).
expect_silent() {  # DESCRIPTION COMMAND...
    local what=$1 output
    shift
    if ! output=$("$@" 2>&1); then
        fail "$what: $output"
    elif [ -n "$output" ]; then
        fail "$what has remarks: $output"
    fi
}

prefix="$work/Quelmar Programme"
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# --- the programs
for program in ruvometer ruvometer-sim; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done
"$prefix/bin/ruvometer-sim" --help >"$work/help.txt" || fail "the installed ruvometer-sim --help"

# --- the launcher
launcher=$prefix/share/applications/$id.desktop
if [ -f "$launcher" ]; then
    expect_silent "desktop-file-validate $launcher" desktop-file-validate "$launcher"
    expect_value "$launcher" Name "Quelmar Ruvometer"
    expect_value "$launcher" Categories "Network;Monitor;"
    expect_value "$launcher" Icon "$id"
    expect_value "$launcher" Exec "\"$prefix/bin/ruvometer\""
    expect_value "$launcher" TryExec "$prefix/bin/ruvometer"
    expect_value "$launcher" StartupNotify "false"
    expect_value "$launcher" X-GNOME-SingleWindow "true"
    [ -n "$(entry_value Comment "$launcher")" ] || fail "the launcher has no comment"
else
    fail "share/applications/$id.desktop is missing"
fi

# --- the icons: PNG files of the size their folder says, and the scalable drawing
for size in 16 32 48 64 128; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "the ${size}-pixel icon is missing"
        continue
    fi
    # PNG signature, then the IHDR chunk's width and height as 32-bit big-endian numbers.
    read -r -a bytes <<<"$(od -An -tu1 -w24 -N24 "$icon")"
    signature="${bytes[*]:0:8}"
    width=$(( (bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19] ))
    height=$(( (bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23] ))
    [ "$signature" = "137 80 78 71 13 10 26 10" ] || fail "$icon is not a PNG file"
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "$icon is $width by $height pixels, not $size by $size"
done
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
if [ -f "$svg" ]; then
    root=$(xmllint --xpath 'local-name(/*)' "$svg" 2>&1) || fail "$svg is not well-formed: $root"
    [ "$root" = svg ] || fail "$svg is not an SVG drawing (root element '$root')"
    grep -q '<path\|<rect\|<ellipse' "$svg" || fail "$svg draws nothing"
else
    fail "the scalable icon is missing"
fi

# --- the metainfo, and the tree as a software centre reads it (metainfo, launcher, icons)
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    # --strict fails on anything above the pedantic hints; it always prints a summary line.
    appstreamcli validate --no-net --strict "$metainfo" >"$work/metainfo.txt" 2>&1 ||
        fail "appstreamcli validate: $(cat "$work/metainfo.txt")"
    appstreamcli validate-tree --no-net --strict "$prefix" >"$work/tree.txt" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$work/tree.txt")"
else
    fail "share/metainfo/$id.metainfo.xml is missing"
fi

# --- the simulator's manual states the --help contract: every script command and transcript
# line, written as in --help's first column
manual=$prefix/share/man/man1/ruvometer-sim.1
if [ -f "$manual" ]; then
    expect_silent "groff warnings for the manual" groff -man -ww -z -Tutf8 "$manual"
    rendered=$(groff -man -Tascii -rLL=300n -P-cbou "$manual" 2>/dev/null | tr -s ' ')
    entries=$(sed -n '/^Script:/,/^$/p; /^Transcript:/,/^$/p' "$work/help.txt" |
        sed -n 's/^  \([^ ].*[^ ]\)  .*/\1/p')
    [ -n "$entries" ] || fail "no script commands found in ruvometer-sim --help"
    # Each must begin a line of the rendered page, as the tag of its paragraph.
    while IFS= read -r entry; do
        found=no
        while IFS= read -r line; do
            if [ "$line" = " $entry" ] || [[ "$line" == " $entry "* ]]; then
                found=yes
                break
            fi
        done <<<"$rendered"
        [ "$found" = yes ] || fail "the manual does not describe '$entry'"
    done <<<"$entries"
    for section in SYNOPSIS SCRIPT TRANSCRIPT "EXIT STATUS"; do
        grep -q "^$section" <<<"$rendered" || fail "the manual has no $section section"
    done
else
    fail "share/man/man1/ruvometer-sim.1 is missing"
fi

# --- the autostart entry the installed program writes follows the launcher
entry=$("$write_autostart_entry" "$work/config" "$prefix/bin/ruvometer") ||
    fail "the autostart entry could not be written"
if [ -f "$entry" ]; then
    expect_silent "desktop-file-validate $entry" desktop-file-validate "$entry"
    expect_value "$entry" X-GNOME-Autostart-enabled "true"
    if [ -f "$launcher" ]; then
        for key in Type Name Comment Exec Icon; do
            expect_value "$entry" "$key" "$(entry_value "$key" "$launcher")"
        done
    fi
else
    fail "no autostart entry at $entry"
fi

# --- staged for a package: DESTDIR does not end up in the launcher
if DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/ruvometer >"$work/stage.log" 2>&1; then
    expect_value "$work/stage/opt/ruvometer/share/applications/$id.desktop" Exec \
        /opt/ruvometer/bin/ruvometer
else
    fail "cmake --install with DESTDIR: $(cat "$work/stage.log")"
fi

# --- removal as the README says; the manifest is that of the last install, so install again
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "second install"
xargs -d '\n' rm -f -- <"$manifest"
left=$(find "$prefix" -type f)
[ -z "$left" ] || fail "files left after removal: $left"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "install: all checks passed"
