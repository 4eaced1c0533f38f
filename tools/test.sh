#!/usr/bin/env bash
# Builds the suite and runs every test under Wine. The 32-bit program is
# always built; the tests run on it where this machine can start 32-bit code,
# and otherwise on a 64-bit build of the same sources under a 64-bit Wine.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/check-layers.sh"
"$here/setup.sh"
source "$here/wine-env.sh" win32
vrc_build -DVRC_BUILD_TESTS=ON
if ! vrc_can_run_32bit; then
  echo "test: this machine starts no 32-bit programs; the tests run on the 64-bit build"
  source "$here/wine-env.sh" win64
  vrc_build -DVRC_BUILD_TESTS=ON
fi
vrc_env_start
trap vrc_env_stop EXIT
cd "$VRC_BUILD"
ctest --output-on-failure -j "$(nproc)" --timeout 300 "$@"
