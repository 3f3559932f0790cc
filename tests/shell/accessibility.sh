#!/usr/bin/env bash
# The program as a screen reader sees it: on its own X server (with openbox) and its own
# accessibility bus, an AT-SPI client walks the main window's tree and fails on any button,
# track bar or menu item without a name. Then the keyboard alone: Tab to "Naprzód" and Space
# moves the turtle (the status line shows it), K and O draw a square and a circle, an arrow on the
# colour strip picks a colour, and Ctrl+S with a typed name saves the notebook.
# Arguments: the program; optionally a folder that keeps a screenshot.
set -euo pipefail

if [ -z "${QEL_OWN_DISPLAY:-}" ]; then
  export QEL_OWN_DISPLAY=1 QEL_SCREEN=1024x768x24
  exec "$(dirname "$0")/../../scripts/own-display.sh" "$0" "$@"
fi
if [ -z "${QEL_OWN_BUS:-}" ]; then
  export QEL_OWN_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi

program=$1
shots=${2:-}
here=$(dirname "$0")
bus= wm= app=
work=$(mktemp -d)
trap 'kill $app $wm $bus 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

# Its own settings and recovery copies: a run that fails leaves one behind, which the next run
# would be offered.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QEL3D_NOTEBOOKS="$work/notebooks" \
  XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
mkdir -p "$QEL3D_NOTEBOOKS"
# The program says which window is ready once start-up is over.
QEL3D_READY_FILE="$work/ready" "$program" &
app=$!
for _ in $(seq 600); do
  [ -s "$work/ready" ] && break
  kill -0 "$app" 2>/dev/null || fail "the program ended during start-up"
  sleep 0.1
done
[ -s "$work/ready" ] || fail "the main window did not get ready"
window=$(cat "$work/ready")
xdotool windowactivate --sync "$window" 2>/dev/null || true

# The system Python, which the Debian package of pyatspi serves.
/usr/bin/python3 "$here/accessibility_walk.py" || fail "see above"
if [ -n "$shots" ]; then import -window "$window" "$shots/accessibility.png"; fi
