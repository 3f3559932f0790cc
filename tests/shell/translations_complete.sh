#!/usr/bin/env bash
# Fails on any text of the sources that the translation file lacks or holds unfinished.
# Usage: translations_complete.sh LUPDATE SOURCE_FOLDER TS_FILE
set -euo pipefail
lupdate=$1 sources=$2 translations=$3

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
copy="$folder/$(basename "$translations")"
cp "$translations" "$copy"
"$lupdate" -silent -locations none "$sources" -ts "$copy"

# lupdate adds a text it finds new as unfinished, next to those never finished.
if grep -q 'type="unfinished"' "$copy"; then
  echo "translations: texts without a finished translation in $(basename "$translations"):" >&2
  grep -B1 'type="unfinished"' "$copy" | grep '<source>' >&2
  exit 1
fi
# Texts no longer in the sources stay out of the file.
if grep -q 'type="vanished"\|type="obsolete"' "$copy"; then
  echo "translations: texts no longer in the sources (run the update_translations target):" >&2
  grep -B1 'type="vanished"\|type="obsolete"' "$copy" | grep '<source>' >&2
  exit 1
fi
echo "translations: every text has its translation"
