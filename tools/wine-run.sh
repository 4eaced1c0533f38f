#!/usr/bin/env bash
# wine-run.sh win32|win64 program [args...]: runs one Windows program under
# the project's own Wine prefix of that kind. CTest uses it as the
# cross-compiling emulator; the test and start scripts set DISPLAY and keep a
# wineserver running, so that each start is cheap.
arch="$1"; shift
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/tools/wine-env.sh" "$arch"
exec "$WINELOADER" "$@"
