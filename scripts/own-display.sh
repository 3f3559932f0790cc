#!/usr/bin/env bash
# Runs a command on an X server of its own and stops the server afterwards.
# The server picks a free display number itself (-displayfd), so servers started side by side
# never claim the same number, as two `xvfb-run -a` started at once can.
# QEL_SCREEN sets the screen (default 1280x1024x24).
# Usage: own-display.sh command [arguments...]
set -euo pipefail

folder=$(mktemp -d)
# -noreset: by default the server resets whenever its last client leaves, and a program that
# connects during that reset is turned away.
Xvfb -displayfd 3 -screen 0 "${QEL_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
  3>"$folder/display" 2>"$folder/log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$folder"' EXIT

# The server writes its number and a line end once it takes connections.
for _ in $(seq 200); do
  if [ "$(wc -l <"$folder/display")" -ge 1 ]; then break; fi
  if ! kill -0 "$server" 2>/dev/null; then
    echo "own-display: the X server did not start:" >&2
    cat "$folder/log" >&2
    exit 1
  fi
  sleep 0.05
done
number=$(head -n 1 "$folder/display")
if [ -z "$number" ]; then
  echo "own-display: the X server did not report its display in 10 s" >&2
  exit 1
fi

export DISPLAY=":$number"
unset XAUTHORITY
status=0
"$@" || status=$?
if [ "$status" -ne 0 ] && [ -s "$folder/log" ]; then
  echo "own-display: the X server on $DISPLAY said:" >&2
  cat "$folder/log" >&2
fi
exit "$status"
