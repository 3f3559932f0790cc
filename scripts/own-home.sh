#!/usr/bin/env bash
# Runs a command with a home and XDG folders of its own, removed afterwards, so that nothing the
# user (or an earlier, killed run) left in their data folder reaches it: no recovery copy, no
# settings, no notebooks. The program speaks Polish there, whatever the machine's language, as
# the tests expect.
# Usage: own-home.sh command [arguments...]
set -euo pipefail

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/data" "$home/config" "$home/cache" "$home/state" "$home/runtime" "$home/documents"
chmod 700 "$home/runtime"
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
  XDG_STATE_HOME="$home/state" XDG_RUNTIME_DIR="$home/runtime" XDG_DOCUMENTS_DIR="$home/documents"
unset QEL3D_NOTEBOOKS
# The first language the user asks for is what Qt takes the system's to be.
export LANGUAGE=pl
status=0
"$@" || status=$?
exit "$status"
