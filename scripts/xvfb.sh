#!/usr/bin/env bash
# Sourced: gives the caller a display. Without one, starts Xvfb with a small
# window manager (so that windows get the keyboard focus) and stops both when
# the caller exits.
if [[ -z "${DISPLAY:-}" ]]; then
    for number in $(seq 90 140); do
        [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        gw_xvfb=$!
        export DISPLAY=":$number"
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        openbox >/dev/null 2>&1 &
        gw_wm=$!
        trap 'kill $gw_wm $gw_xvfb 2>/dev/null' EXIT
        break
    done
fi
