# Shared by the tests that use the program as a person does, under a window manager on an X
# server of their own. Sourced at the top of such a test, whose arguments are the program and,
# optionally, a folder that keeps the screenshots. The program keeps its data (recovery copies),
# settings and notebooks in a folder of the test's own.

if [ -z "${QEL_OWN_DISPLAY:-}" ]; then
  export QEL_OWN_DISPLAY=1 QEL_SCREEN=1024x768x24
  exec "$(dirname "$0")/../../scripts/own-display.sh" "$0" "$@"
fi

program=$1
shots=${2:-}
work=$(mktemp -d)
app=
wm=
hard_stop=
trap 'kill ${hard_stop:+-9} $app $wm 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" QEL3D_NOTEBOOKS="$work/notebooks"
# The window as the user left it last time: at its smallest, where the clicks below expect it.
mkdir -p "$XDG_CONFIG_HOME/Qel 3D"
printf '[window]\nrect=@Rect(0 0 625 447)\nmaximised=false\n' >"$XDG_CONFIG_HOME/Qel 3D/Qel 3D.conf"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The window manager takes Alt+F4 and asks the window to close.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
}

# A message box of the program: a dialog window whose caption is the program's name (name
# searches ignore case).
question() {
  local box
  for box in $(xdotool search --onlyvisible --name '^qel 3d$' 2>/dev/null); do
    [ "$box" = "${window:-}" ] && continue
    if xprop -id "$box" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG; then
      echo "$box"
      return 0
    fi
  done
  return 0
}
park() { xdotool mousemove --window "$window" 420 $((menu + 200)); } # over the 3D view, no button

# Starts the program without waiting; it says which window is ready once start-up is over.
launch_program() {
  rm -f "$work/ready"
  QEL3D_READY_FILE="$work/ready" "$program" &
  app=$!
  window=
}

# Waits until the program says its main window takes the keyboard.
wait_for_ready() {
  for _ in $(seq 600); do
    [ -s "$work/ready" ] && break
    kill -0 "$app" 2>/dev/null || fail "the program ended during start-up"
    sleep 0.1
  done
  [ -s "$work/ready" ] || fail "the main window did not get ready"
  window=$(cat "$work/ready")
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu=$((HEIGHT - 426)) # the client area under the menu bar is 625 × 426
}

start_program() {
  launch_program
  wait_for_ready
}

# Waits for a message box of the program and answers it with a key.
answer_question() {
  local box=
  for _ in $(seq 300); do
    box=$(question)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "$2"
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key "$1"
}

# Waits for a window of the program with the given caption and gives it the keyboard; `shown`
# holds it afterwards.
wait_for_window() {
  shown=
  for _ in $(seq 300); do
    shown=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$shown" ] && break
    sleep 0.1
  done
  [ -n "$shown" ] || fail "$2"
  xdotool windowactivate --sync "$shown" 2>/dev/null || true
}

# Waits for the program to end.
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || return 0
    sleep 0.1
  done
  fail "$1"
}
