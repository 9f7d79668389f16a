#!/usr/bin/env bash
# Reads the Flatpak manifest as flatpak-builder does: its id must name the
# desktop entry, icon and metainfo, its command be what the entry starts.
# Usage: check-flatpak.sh MANIFEST APP_ID DESKTOP_FILE
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need flatpak-builder python3

read -r id command < <(flatpak-builder --show-manifest "$1" |
  python3 -c 'import json, sys; m = json.load(sys.stdin); print(m["id"], m["command"])')
[[ "$id" == "$2" ]] || fail "the manifest's id is $id, not $2"
grep -qx "Exec=$command" "$3" || fail "the desktop entry does not start $command"
echo "PASS: $1"
