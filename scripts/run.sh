#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the desktop wizard
# when a display is available, otherwise a demonstration generation with
# tablesmith-cli into a folder that it names.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh

if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x build/tablesmith ]; then
  exec build/tablesmith
fi
[ -x build/tablesmith ] && echo "No display found; running the demonstration generation instead."

demo=$(mktemp -d "${TMPDIR:-/tmp}/tablesmith-demo.XXXXXX")
cli=build/tablesmith-cli
store="$demo/DBFIELDS.sqlite"
"$cli" fields add --store "$store" --description "Record number" --name id --type Integer
"$cli" fields add --store "$store" --description "First name" --name name --type String
"$cli" fields add --store "$store" --description "Surname" --name surname --type String
"$cli" fields add --store "$store" --description "Age" --name age --type Integer
"$cli" fields list --store "$store"
echo
"$cli" generate --store "$store" --output "$demo/project"
echo
echo "Demonstration project written to: $demo/project"
ls -l "$demo/project"
