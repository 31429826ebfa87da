#!/usr/bin/env bash
# Runs every test: native build with unit and integration tests under ASan and
# UBSan, then the Windows build and the end-to-end tests under Wine and Xvfb.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

ensure_packages "${KESTRUNE_PACKAGES[@]}" || exit 1

status=0
echo "== native build and tests"
if build_native; then
  ctest --preset native || status=1
else
  status=1
fi

echo "== windows build and end-to-end tests"
if build_windows; then
  python3 tests/e2e/run_e2e.py || status=1
else
  status=1
fi
exit $status
