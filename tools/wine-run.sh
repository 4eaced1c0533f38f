#!/usr/bin/env bash
# wine-run.sh win32|win64 program [args...]: runs one Windows program under
# the project's own Wine prefix of that kind. CTest uses it as the
# cross-compiling emulator; the test and start scripts set DISPLAY and keep a
# wineserver running, so that each start is cheap.
arch="$1"; shift
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/tools/wine-env.sh" "$arch"

is_test_run=""
for arg in "$@"; do
  case "$arg" in --gtest_filter=*) is_test_run=1 ;; esac
done
[ -n "$is_test_run" ] || exec "$WINELOADER" "$@"

# Under a loaded machine a Wine start now and then ends at once, before the
# program's first line runs and without a word. A test run that ends that way
# (a failure status and not even the test framework's banner printed) is
# started once more and says so; any run that got as far as the framework
# counts as it ended.
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
status=0
for attempt in 1 2; do
  status=0
  "$WINELOADER" "$@" >"$out" 2>&1 || status=$?
  if [ "$status" -eq 0 ] || grep -q '^\[==========\]\|^Running main()' "$out"; then
    break
  fi
  if [ "$attempt" -eq 1 ]; then
    echo "wine-run: $1 ended with status $status before the test framework started;" \
      "starting it once more; it printed:" >&2
    cat "$out" >&2
  fi
done
cat "$out"
exit "$status"
