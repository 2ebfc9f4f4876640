#!/bin/sh
# Runs a GUI test program. The framework needs an X display for desktop
# windows, so without one the program gets a private virtual X server. The
# server picks a free display number itself (-displayfd), so any number of
# test programs can start their own at the same time.
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
server=$!

# The server writes the number once it accepts connections.
tries=0
while [ ! -s "$number_file" ]; do
    if ! kill -0 "$server" 2>/dev/null || [ "$tries" -ge 200 ]; then
        echo "run_with_display: could not start Xvfb" >&2
        rm -f "$number_file"
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.05
done

DISPLAY=":$(cat "$number_file")" "$@"
status=$?

kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -f "$number_file"
exit "$status"
