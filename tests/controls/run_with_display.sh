#!/bin/sh
# Runs a GUI test program. The framework needs an X display for desktop
# windows, so without one the program gets a private virtual X server.
#
# The server takes a display number from 100 up, never :0: a framework program
# without DISPLAY connects to :0, and other test programs running at the same
# time must not find (and lose) one of these private servers there. A number
# that another server holds makes Xvfb exit at once, and the next is tried.
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

# The server writes its number to the ready file once it accepts connections;
# a server that could not take the number exits without writing it.
ready_file=$(mktemp)
start=$((100 + $$ % 400))
number=""
for offset in $(seq 0 60); do
    candidate=$((start + offset))
    [ -e "/tmp/.X${candidate}-lock" ] && continue
    : > "$ready_file"
    Xvfb ":$candidate" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready_file" 2>/dev/null &
    server=$!
    tries=0
    while kill -0 "$server" 2>/dev/null && [ ! -s "$ready_file" ] && [ "$tries" -lt 200 ]; do
        tries=$((tries + 1))
        sleep 0.05
    done
    if [ -s "$ready_file" ] && kill -0 "$server" 2>/dev/null; then
        number="$candidate"
        break
    fi
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
done
rm -f "$ready_file"

if [ -z "$number" ]; then
    echo "run_with_display: could not start Xvfb" >&2
    exit 1
fi

DISPLAY=":$number" "$@"
status=$?

kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit "$status"
