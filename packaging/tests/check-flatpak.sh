#!/usr/bin/env bash
# Reads the Flatpak manifest as flatpak-builder does and checks that its app id
# is the one the desktop entry, icon and metainfo are named by, and that its
# command is the one the desktop entry starts.
# Usage: check-flatpak.sh MANIFEST APP_ID DESKTOP_FILE
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need flatpak-builder python3
manifest="$1" id="$2" desktop="$3"

read -r app command < <(flatpak-builder --show-manifest "$manifest" |
  python3 -c 'import json, sys; m = json.load(sys.stdin); print(m["id"], m["command"])')
[[ "$app" == "$id" ]] || fail "the manifest's id $app is not $id"
grep -qx "Exec=$command" "$desktop" || fail "the desktop entry does not start $command"
echo "PASS: $manifest"
