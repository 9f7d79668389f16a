#!/usr/bin/env bash
# Installs the build into an empty prefix and checks what lands there: exactly
# the program, the desktop entry, the icon, the metainfo and the manual page,
# and that they agree with one another.
# Usage: check-install.sh CMAKE BUILD_DIR PREFIX APP_ID BINDIR
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need appstreamcli man lexgrog
cmake="$1" build="$2" prefix="$3" id="$4" bindir="$5"

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix"

(cd "$prefix" && find . -type f -printf '%P\n') | expect_file_list "$(expected_files "$id" "$bindir")"
[[ -x "$prefix/$bindir/zandiro" ]] || fail "$bindir/zandiro is not executable"

desktop="$prefix/share/applications/$id.desktop"
grep -qx 'Exec=zandiro' "$desktop" || fail "the desktop entry does not start bin/zandiro"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"

# validate-tree checks the metainfo together with the desktop entry that it
# names as its launchable.
appstreamcli validate-tree --no-net --strict "$prefix" || fail "invalid installed tree"
# The manual page formats without a warning; mandb reads its NAME line.
! man --warnings -l "$prefix/share/man/man6/zandiro.6" 2>&1 >/dev/null | grep . || fail "man warned"
lexgrog "$prefix/share/man/man6/zandiro.6" | grep -q '"zandiro - ' || fail "no NAME line for mandb"
echo "PASS: $prefix"
