#!/usr/bin/env bash
# Nothing drawn is lost when the program is killed: a line is drawn, the program rests, and is
# killed with SIGKILL; started again among many empty copies other killed programs left and a
# planted link, it asks once, Tak restores it, and a save keeps the line. The empty copies go,
# what the link points to stays. It runs its own X server with openbox.
# Arguments: the program; optionally a folder that keeps the screenshots.
set -euo pipefail
. "$(dirname "$0")/program_under_wm.sh"
start_window_manager
hard_stop=1

start_program
xdotool windowactivate --sync "$window" 2>/dev/null || true
# Forward 100 by its key: about three seconds of walking, then a second of rest.
xdotool key --window "$window" Up
park
for _ in $(seq 300); do
  ls "$XDG_DATA_HOME"/*/Odzysk/*/biezacy >/dev/null 2>&1 && break
  sleep 0.1
done
ls "$XDG_DATA_HOME"/*/Odzysk/*/biezacy >/dev/null 2>&1 || fail "no recovery copy after the program rested"
kill -9 "$app"
wait "$app" 2>/dev/null || true

recovery=$(dirname "$(dirname "$(ls -d "$XDG_DATA_HOME"/*/Odzysk/*/biezacy | head -n 1)")")
for i in $(seq 2000); do mkdir "$recovery/$i-17" && : >"$recovery/$i-17/blokada"; done
mkdir "$work/elsewhere" && : >"$work/elsewhere/rysunek.bmp"
ln -s "$work/elsewhere" "$recovery/99-99"

launch_program
answer_question Return "the drawing was not offered back"
wait_for_ready
[ -z "$(question)" ] || fail "more than one question about recovery copies"
[ -f "$work/elsewhere/rysunek.bmp" ] || fail "a link in the recovery folder was followed"
# The empty copies go in the background, while the window answers.
for _ in $(seq 600); do
  [ "$(find "$recovery" -mindepth 1 -maxdepth 1 -name '*-17' | wc -l)" = 0 ] && break
  sleep 0.1
done
[ "$(find "$recovery" -mindepth 1 -maxdepth 1 -name '*-17' | wc -l)" = 0 ] || fail "empty recovery copies were left"
if [ -n "$shots" ]; then import -window "$window" "$shots/recovery-restored.png"; fi

# The restored drawing is unsaved: closing asks, Tak, a name, and the line is in the saved page.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
answer_question t "closing the restored drawing did not ask to save it"
wait_for_window "nazwa zeszytu" "no name was asked for the restored drawing"
xdotool type --delay 50 ODZYSK
xdotool key Return
wait_for_exit "the program did not close after saving"
page="$QEL3D_NOTEBOOKS/ODZYSK1.bmp"
[ -f "$page" ] || fail "the restored notebook was not saved"
line=$(convert "$page" -format '%[pixel:p{127,60}]' info:)
white=$(convert "$page" -format '%[pixel:p{20,20}]' info:)
[ "$line" != "$white" ] || fail "the line drawn before the kill is not on the saved page"
ls "$XDG_DATA_HOME"/*/Odzysk/*/biezacy >/dev/null 2>&1 && fail "a recovery copy is left after a normal exit"
exit 0
