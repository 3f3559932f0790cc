#!/usr/bin/env bash
# The program as a person uses it under a window manager: while the turtle walks, Alt+F4 does
# nothing and the panel keeps its look; once the turtle stops, Alt+F4 closes the program.
# It runs its own X server with openbox, so the screen it reads is its own.
# Arguments: the program; optionally a folder that keeps the screenshots.
set -euo pipefail

if [ -z "${QEL_OWN_DISPLAY:-}" ]; then
  export QEL_OWN_DISPLAY=1 QEL_SCREEN=1024x768x24
  exec "$(dirname "$0")/../../scripts/own-display.sh" "$0" "$@"
fi

program=$1
shots=${2:-}
work=$(mktemp -d)
trap 'kill "$app" "$wm" 2>/dev/null || true; rm -rf "$work"' EXIT
# The turtle walks at the speed the program starts with, not one a user once chose.
export XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The window manager takes Alt+F4 and asks the window to close.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

"$program" &
app=$!
# The main window (name searches ignore case), once start-up has hidden its progress window.
mainWindow() { xdotool search --onlyvisible --name '^qel 3d$' 2>/dev/null | head -n 1 || true; }
seen=0
for _ in $(seq 300); do
  if xdotool search --onlyvisible --name '^progressform$' >/dev/null 2>&1; then seen=1
  elif [ -n "$(mainWindow)" ] && { [ "$seen" = 1 ] || [ "$SECONDS" -gt 8 ]; }; then break; fi
  sleep 0.1
done
sleep 1
window=$(mainWindow)
[ -n "$window" ] || fail "the main window did not show"

eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 426)) # the client area under the menu bar is 625 × 426
# The command buttons and the panel under the track bars; a track bar loses its keyboard
# highlight while the window is locked, which is no greying.
buttons="36x226+${X}+$((Y + menu + 44))"
panel="215x130+${X}+$((Y + menu + 272))"
park() { xdotool mousemove --window "$window" 420 $((menu + 200)); } # over the 3D view, no button
# A message box of the program: its caption is the name in capitals, and name searches ignore case.
question() { xdotool search --onlyvisible --name '^qel 3d$' 2>/dev/null | grep -v -x "$window" | head -n 1 || true; }

xdotool windowactivate --sync "$window" 2>/dev/null || true
park
sleep 0.5
import -window root "$work/before.png"

# Forward 100: about three seconds of walking.
xdotool mousemove --window "$window" 20 $((menu + 60)) click 1
park
sleep 0.8
import -window root "$work/during.png"
xdotool key alt+F4
sleep 0.7
kill -0 "$app" 2>/dev/null || fail "Alt+F4 during the walk closed the program"
[ -z "$(question)" ] || fail "Alt+F4 during the walk asked a question"

for part in buttons panel; do
  convert "$work/before.png" -crop "${!part}" +repage "$work/before-$part.png"
  convert "$work/during.png" -crop "${!part}" +repage "$work/during-$part.png"
  different=$(compare -metric AE "$work/before-$part.png" "$work/during-$part.png" null: 2>&1 || true)
  [ "$different" = 0 ] || fail "the $part look different while the turtle walks ($different pixels)"
done

if [ -n "$shots" ]; then cp "$work/during.png" "$shots/faults-mid-command.png"; fi

# After the walk the window closes; a question whether to keep the drawing is answered "Nie".
sleep 4
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
for _ in $(seq 100); do
  kill -0 "$app" 2>/dev/null || exit 0
  box=$(question)
  if [ -n "$box" ]; then
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    xdotool key n
  fi
  sleep 0.1
done
fail "Alt+F4 after the walk did not close the program"
