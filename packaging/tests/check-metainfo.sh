#!/usr/bin/env bash
# Validates AppStream metainfo offline. --strict fails on errors, warnings and
# infos; pedantic hints are only shown.
# Usage: check-metainfo.sh FILE
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/common.sh"
need appstreamcli

appstreamcli validate --no-net --strict --pedantic "$1" || fail "invalid metainfo"
