#!/usr/bin/env bash
# Formats the manual page with warnings on and reads its NAME line as mandb
# does, for whatis and apropos.
# Usage: check-manpage.sh FILE
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need man lexgrog

warnings="$(man --warnings -l "$1" 2>&1 >/dev/null)"
[[ -z "$warnings" ]] || { echo "$warnings"; fail "man reported warnings"; }
lexgrog "$1" | grep -q '"zandiro - ' || fail "lexgrog cannot read the NAME line"
echo "PASS: $1"
