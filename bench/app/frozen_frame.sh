#!/usr/bin/env bash
# F9 on a real Wayland desktop (sway with two 1280 x 800 outputs and the real desktop portal,
# as in the real-Wayland test): from the key to the frozen frame a person sees on each output,
# with the portal's share and ours apart (bench/app/frozen-frame.py).
# Usage: bench/app/frozen_frame.sh [bench build dir, default build/bench]
#                                  [dev build dir with the test helpers, default build/dev]
set -euo pipefail
bench=$(realpath "${1:-build/bench}")
dev=$(realpath "${2:-build/dev}")
here=$(dirname "$(realpath "$0")")
exec bash "$here/../../tests/app/wayland-session.sh" "$bench/Spectrivue" \
    "$dev/tests/app/virtual_pointer" "$here/frozen-frame.py"
