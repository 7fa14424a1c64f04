#!/usr/bin/env bash
# Installs the built program into a fresh prefix and checks what a desktop and a
# first start find there: the layout, the desktop entry and software centre
# metadata as their validators judge them, and a data folder seeded from the
# installed share/pantrix.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR VERSION
set -euo pipefail
source_dir=$1 build=$2 version=$3
id=example.quillfield.pantrix

prefix=$(mktemp -d)
pid=
cleanup() {
    [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in bin/pantrix bin/pantrix-help; do
    [ -x "$prefix/$program" ] || fail "$program is not installed"
done
diff -r "$source_dir/data" "$prefix/share/pantrix" || fail "share/pantrix differs from data/"
icons=$prefix/share/icons/hicolor
[ -f "$icons/scalable/apps/pantrix.svg" ] || fail "the scalable icon is not installed"
for size in 16 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/pantrix.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," ||
        fail "the ${size}px icon: $(file -b "$png")"
done

entry=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"
grep -qx 'Icon=pantrix' "$entry" || fail "the desktop entry names another icon"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metadata does not list release $version"

# Started again, the program stays until it is told to stop; a start beside it
# ends at once, having brought the running one's window to the front.
again_and_once_more() {
    QT_QPA_PLATFORM=offscreen "$prefix/bin/pantrix" --data-dir "$data" >/dev/null 2>&1 &
    pid=$!
    sleep 3 # past the splash
    kill -0 "$pid" 2>/dev/null || fail "the installed pantrix ended unasked"
    QT_QPA_PLATFORM=offscreen timeout 30 "$prefix/bin/pantrix" --data-dir "$data" >/dev/null 2>&1 ||
        fail "a second pantrix on the same folder ended with status $?"
    kill -TERM "$pid" && wait "$pid" || fail "the installed pantrix ended with status $? on SIGTERM"
    pid=
}

# A line the program cannot take ends it at once, before it touches any folder.
wrong_lines() {
    local told status
    for line in "--data-dir=|2|pantrix: --data-dir needs the name of a folder." \
        "--data-dur|1|pantrix: Unknown option 'data-dur'."; do
        told=$(QT_QPA_PLATFORM=offscreen timeout 30 "$prefix/bin/pantrix" "${line%%|*}" 2>&1 >/dev/null |
            grep -v '^QStandardPaths:') && status=0 || status=$?
        [ "$status|$told" = "${line#*|}" ] || fail "pantrix ${line%%|*} ended with $status: $told"
    done
}

# The help viewer started bare, as a desktop's menu starts it, opens the pages
# installed beside it: it works in their folder.
help_beside() {
    QT_QPA_PLATFORM=offscreen HOME=$prefix/home "$prefix/bin/pantrix-help" >/dev/null 2>&1 &
    pid=$!
    sleep 2
    [ "$(readlink "/proc/$pid/cwd")" = "$prefix/share/pantrix/px_help" ] ||
        fail "the installed pantrix-help works in $(readlink "/proc/$pid/cwd")"
    kill -TERM "$pid" && wait "$pid" || true
    pid=
}

# A first start copies the help pages, graphics and link image and delivers the
# starter catalogue, all from ../share/pantrix beside the installed program, even
# after a delivery killed between its renames. Told to stop while it is still
# starting, the program ends of its own accord, its settings stored there.
data=$prefix/home/pantrix
mkdir -p "$data" && echo x >"$data/category.new" && touch "$data/.category.new."{commit,absent}
QT_QPA_PLATFORM=offscreen "$prefix/bin/pantrix" --data-dir "$data" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 300); do
    if [ -d "$data/px_help" ] && [ -f "$data/gofore.jpg" ] &&
        { [ -s "$data/std_item.new" ] || [ -s "$data/std_item.lst" ]; }; then
        kill -TERM "$pid"
        for _ in $(seq 300); do
            if ! kill -0 "$pid" 2>/dev/null; then
                wait "$pid" || fail "the installed pantrix ended with status $? on SIGTERM"
                pid=
                [ -s "$data/px31.cfg" ] || fail "the installed pantrix did not store its settings in $data"
                again_and_once_more
                wrong_lines
                help_beside
                echo "installed layout, desktop entry, metadata, first start, starts again and help: all good"
                exit 0
            fi
            sleep 0.1
        done
        fail "the installed pantrix did not end within 30 s of SIGTERM"
    fi
    kill -0 "$pid" 2>/dev/null || fail "the installed pantrix ended before seeding $data"
    sleep 0.1
done
fail "the installed pantrix did not seed $data from share/pantrix within 30 s"
