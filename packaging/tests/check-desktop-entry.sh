#!/usr/bin/env bash
# Validates a desktop entry; warnings and hints fail the check as errors do.
# Usage: check-desktop-entry.sh FILE
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need desktop-file-validate

status=0
report="$(desktop-file-validate "$1" 2>&1)" || status=$?
if [[ $status -ne 0 || -n "$report" ]]; then
  echo "$report"
  fail "desktop-file-validate reported problems"
fi
echo "PASS: $1"
