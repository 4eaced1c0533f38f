#!/usr/bin/env bash
# Builds the suite and starts FrameWright.exe under Wine, on the user's
# display or, when there is none, on Xvfb. Where this machine starts no
# 32-bit programs, the 64-bit build of the same sources runs instead.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/setup.sh"
source "$here/wine-env.sh" win32
if ! vrc_can_run_32bit; then
  echo "start: this machine starts no 32-bit programs; starting the 64-bit build"
  source "$here/wine-env.sh" win64
fi
vrc_build -DVRC_BUILD_TESTS=OFF
# Set first: the display and the server go also when the script is stopped.
trap vrc_env_stop EXIT
vrc_env_start
cd "$VRC_BUILD/bin"
"$WINELOADER" FrameWright.exe "$@" || true
