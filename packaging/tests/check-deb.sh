#!/usr/bin/env bash
# Builds the Debian package from debian/ in a copy of the source tree, without
# its tests (the suite that runs this check runs them), checks that its version
# and home page are the project's and that the program it carries starts, and
# runs lintian on the .changes and the packages it lists.
# Usage: check-deb.sh SOURCE_DIR WORK_DIR VERSION HOMEPAGE
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need dpkg-buildpackage dh lintian timeout
source="$1" work="$2" version="$3" homepage="$4"

rm -rf "$work"
mkdir -p "$work/zandiro"
tar -C "$source" --exclude=./build --exclude-vcs -cf - . | tar -C "$work/zandiro" -xf -
(cd "$work/zandiro" && DEB_BUILD_OPTIONS="nocheck parallel=2" dpkg-buildpackage -us -uc -b) \
  >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; fail "dpkg-buildpackage failed"; }
changes="$work/zandiro_${version}-1_$(dpkg --print-architecture).changes"
deb="${changes%.changes}.deb"
[[ -f "$deb" ]] || fail "no package $deb: does debian/changelog name version $version-1?"
[[ "$(dpkg-deb --field "$deb" Homepage)" == "$homepage" ]] || fail "Homepage is not $homepage"

dpkg-deb --extract "$deb" "$work/root"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/games/zandiro" || status=$?
[[ $status -eq 124 ]] || fail "the packaged program ended with status $status instead of running"

lintian --fail-on error,warning --info --pedantic "$changes" || fail "lintian"
echo "PASS: $deb"
