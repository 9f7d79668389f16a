# Helpers shared by the packaging checks; sourced, not run.

# ctest reads this exit code as "skipped" (SKIP_RETURN_CODE).
readonly SKIP=77

# Skips the check when one of the named tools is not installed.
need() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed"
      exit "$SKIP"
    fi
  done
}

fail() {
  echo "FAIL: $*"
  exit 1
}

# The files an install puts under its prefix, for the application id $1 and
# the program's directory $2, with a catalogue for each language of po/LINGUAS.
expected_files() {
  printf '%s\n' \
    "$2/zandiro" \
    share/man/man6/zandiro.6 \
    "share/applications/$1.desktop" \
    "share/icons/hicolor/scalable/apps/$1.svg" \
    "share/metainfo/$1.metainfo.xml"
  grep -v '^#' "${BASH_SOURCE[0]%/*}/../../po/LINGUAS" |
    sed 's|.*|share/locale/&/LC_MESSAGES/zandiro.mo|'
}

# Fails unless the file list on standard input is the list $1, in any order.
expect_file_list() {
  local actual expected
  actual="$(LC_ALL=C sort)"
  expected="$(LC_ALL=C sort <<<"$1")"
  if [[ "$actual" != "$expected" ]]; then
    echo "expected files:"
    echo "$expected"
    echo "found:"
    echo "$actual"
    fail "the installed files differ"
  fi
}
