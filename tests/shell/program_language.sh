#!/usr/bin/env bash
# The program speaks the system's language from its start, unless a language was chosen in the
# menu before: with an English system F1 opens the English introduction; with the Polish one
# remembered, the Polish introduction.
# Arguments: the program; optionally a folder that keeps the screenshots.
set -euo pipefail
. "$(dirname "$0")/program_under_wm.sh"
start_window_manager
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=en_GB.UTF-8

introduction() {
  start_program
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key F1
  wait_for_window "$1" "$2"
  if [ -n "$shots" ]; then import -window "$shown" "$shots/$3.png"; fi
  kill "$app"
  wait "$app" 2>/dev/null || true
}

# Window names are matched without the dash, which the window system holds in another encoding.
introduction "Qel 3D .*introduction" "an English system did not get the English introduction" english-system
printf '[General]\nlanguage=pl\n' >>"$XDG_CONFIG_HOME/Qel 3D/Qel 3D.conf"
introduction "Qel 3D .*wprowadzenie" "the Polish chosen before did not come back" polish-chosen
