#!/usr/bin/env bash
# The program as a person uses it under a window manager: while the turtle walks the panel looks
# locked; Alt+F4 then stops the turtle and asks, as any close does, whether to keep the drawing.
# It runs its own X server with openbox and reads the main window's own pixels.
# Arguments: the program; optionally a folder that keeps the screenshots.
set -euo pipefail
. "$(dirname "$0")/program_under_wm.sh"
start_window_manager
start_program
# The command buttons and the panel under the track bars, greyed while the turtle walks.
buttons="36x226+0+$((menu + 44))"
panel="215x130+0+$((menu + 272))"

xdotool windowactivate --sync "$window" 2>/dev/null || true
park
sleep 0.5
import -window "$window" "$work/before.png"

for part in buttons panel; do
  convert "$work/before.png" -crop "${!part}" +repage "$work/before-$part.png"
done

# The part that still looks as at rest in the last look at the window, if any.
at_rest() {
  for part in buttons panel; do
    convert "$work/during.png" -crop "${!part}" +repage "$work/during-$part.png"
    different=$(compare -metric AE "$work/before-$part.png" "$work/during-$part.png" null: 2>&1 || true)
    if [ "$different" = 0 ]; then echo "$part"; return; fi
  done
}

# Forward 100: about three seconds of walking. The lock shows at once; a busy machine may take a
# moment more to paint it, so the window is looked at again for up to two seconds.
xdotool mousemove --window "$window" 20 $((menu + 60)) click 1
park
for attempt in $(seq 10); do
  sleep 0.2
  import -window "$window" "$work/during.png"
  resting=$(at_rest)
  [ -n "$resting" ] || break
done
[ -z "$resting" ] || fail "the $resting look as at rest while the turtle walks"

if [ -n "$shots" ]; then cp "$work/during.png" "$shots/faults-mid-command.png"; fi

# Alt+F4 in the middle of the walk: the turtle stops and the question comes; "Nie" closes.
xdotool key alt+F4
sleep 0.5
answer_question n "Alt+F4 during the walk asked nothing"
wait_for_exit "the program did not close after the question"
