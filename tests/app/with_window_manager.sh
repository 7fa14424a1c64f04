#!/usr/bin/env bash
# Runs a test program on a virtual screen of its own, managed by openbox, so that
# windows get real frames and focus moves between windows as on a desktop.
set -euo pipefail
work="$(mktemp -d)"
xvfb= wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
# Without -noreset the server starts afresh each time its last client leaves, and
# a window manager connecting in that moment is turned away.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
# A busy machine may take a while to start the server and the window manager.
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"
# openbox claims the screen well before it handles windows, and a window mapped in
# between is left unanswered until some later event; its start-up command runs
# only once it is ready.
openbox --sm-disable --startup "touch '$work/ready'" 2>/dev/null &
wm=$!
for _ in $(seq 300); do [ -e "$work/ready" ] || ! kill -0 $wm 2>/dev/null && break; sleep 0.1; done
if [ ! -e "$work/ready" ]; then
    echo "openbox did not start" >&2
    exit 1
fi
QT_QPA_PLATFORM=xcb "$@"
