#!/usr/bin/env bash
# Runs a test program on a virtual screen of its own, managed by openbox, so that
# windows get real frames and focus moves between windows as on a desktop.
set -euo pipefail
displayFile="$(mktemp)"
xvfb= wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -f "$displayFile"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayFile" 2>/dev/null &
xvfb=$!
# A busy machine may take a while to start the server and the window manager.
for _ in $(seq 300); do [ -s "$displayFile" ] && break; sleep 0.1; done
if [ ! -s "$displayFile" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$displayFile")"
openbox --sm-disable 2>/dev/null &
wm=$!
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
