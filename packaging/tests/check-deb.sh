#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control fields, its file
# list, and that the program it carries starts.
# Usage: check-deb.sh CPACK BUILD_DIR WORK_DIR APP_ID VERSION
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need dpkg-deb dpkg-shlibdeps timeout
cpack="$1" build="$2" work="$3" id="$4" version="$5"

rm -rf "$work"
"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work.log" 2>&1 ||
  { cat "$work.log"; fail "cpack failed"; }
deb="$work/zandiro_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || fail "no package $deb"

dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[[ "$(field Package)" == zandiro ]] || fail "wrong package name"
[[ "$(field Version)" == "$version" ]] || fail "wrong version"
[[ "$(field Section)" == games ]] || fail "wrong section"
[[ -n "$(field Maintainer)" ]] || fail "no maintainer"
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libqt6svg6 fonts-liberation; do
  grep -q -E "(^|, )$package( |,|$)" <<<"$(field Depends)" || fail "Depends lacks $package"
done
grep -q -E "(^|, )qt6-wayland( |,|$)" <<<"$(field Recommends)" || fail "Recommends lacks qt6-wayland"

dpkg-deb --contents "$deb"
dpkg-deb --contents "$deb" | awk '$1 ~ /^-/ { sub(/^\.\/usr\//, "", $6); print $6 }' |
  expect_file_list "$(expected_files "$id")"

# Unpacked anywhere, the program runs on the system's Qt until it is stopped.
dpkg-deb --extract "$deb" "$work/root"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/zandiro" || status=$?
[[ $status -eq 124 ]] || fail "the packaged program ended with status $status instead of running"
echo "PASS: $deb"
