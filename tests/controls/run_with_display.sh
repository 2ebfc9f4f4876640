#!/bin/sh
# Runs a GUI test program. The framework needs an X display for desktop
# windows, so without one the program runs on a private virtual X server.
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$@"
