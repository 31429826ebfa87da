#!/usr/bin/env bash
# Builds kestrune.exe and starts it under Wine. With no controller attached its
# COM1 is wired to the controller emulator through a virtual null-modem cable.
# Without a display it starts a virtual one, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

ensure_packages "${KESTRUNE_PACKAGES[@]}"
build_windows
build_native --target kestrune-emu 2>/dev/null || echo "note: no controller emulator built"
exec python3 tests/e2e/launch.py "$@"
