#!/usr/bin/env bash
# Sourced: gives the caller a display. Without one, starts Xvfb with a small
# window manager (so that windows get the keyboard focus) and stops both when
# the caller exits.
gw_start_xvfb() {
    local number
    for number in $(seq 90 140); do
        [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"${GW_XVFB_LOG:-/dev/null}" 2>&1 &
        gw_xvfb=$!
        for _ in $(seq 100); do
            DISPLAY=":$number" xdpyinfo >/dev/null 2>&1 && break
            kill -0 $gw_xvfb 2>/dev/null || break
            sleep 0.1
        done
        if DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
            export DISPLAY=":$number"
            return 0
        fi
        kill $gw_xvfb 2>/dev/null # another server took that number first: try the next
    done
    echo "could not start Xvfb" >&2
    return 1
}

if [[ -z "${DISPLAY:-}" ]]; then
    gw_start_xvfb
    openbox >/dev/null 2>&1 &
    gw_wm=$!
    trap 'kill $gw_wm $gw_xvfb 2>/dev/null' EXIT
fi
