#!/usr/bin/env bash
# Builds the Debian package from debian/ in a copy of the source tree, without
# running the tests again, checks that the program it carries starts, and runs
# lintian on the .changes and the packages it lists.
# Usage: check-deb.sh SOURCE_DIR WORK_DIR VERSION
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need dpkg-buildpackage lintian timeout
source="$1" work="$2" version="$3"

rm -rf "$work"
mkdir -p "$work/zandiro"
tar -C "$source" --exclude-vcs --exclude=./build --exclude="./${work#"$source"/}" -cf - . |
  tar -C "$work/zandiro" -xf -
(cd "$work/zandiro" && DEB_BUILD_OPTIONS="nocheck parallel=2" dpkg-buildpackage -us -uc -b) \
  >"$work.log" 2>&1 || { cat "$work.log"; fail "dpkg-buildpackage failed"; }
deb="$work/zandiro_${version}-1_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || fail "no package $deb"

# Unpacked anywhere, the program runs on the system's Qt until it is stopped.
dpkg-deb --extract "$deb" "$work/root"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/games/zandiro" || status=$?
[[ $status -eq 124 ]] || fail "the packaged program ended with status $status instead of running"
lintian --fail-on error,warning --info --pedantic "${deb%.deb}.changes" || fail "lintian"
echo "PASS: $deb"
