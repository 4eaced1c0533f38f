# Sourced with win32 or win64: the build folder of that kind, the project's
# own Wine prefix in it (created once, quietly), a display and a running
# wineserver. vrc_env_stop ends what vrc_env_start started, and only that;
# a vrc_env_start that fails says why and stops what it had started itself.
VRC_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VRC_WINE_ARCH="${1:-win32}"
if [ "$VRC_WINE_ARCH" = win32 ]; then
  VRC_TRIPLE=i686
  export WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
else
  VRC_TRIPLE=x86_64
  export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
fi
VRC_BUILD="${VRC_BUILD_ROOT:-$VRC_ROOT/build}/$VRC_TRIPLE"
export WINEARCH="$VRC_WINE_ARCH"
export WINEPREFIX="$VRC_BUILD/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
vrc_started_xvfb=""
vrc_started_wineserver=""

# Whether this machine can start 32-bit programs (some kernels run 64-bit
# user code only, and then only a 64-bit Wine starts).
vrc_can_run_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

vrc_build() {
  cmake -S "$VRC_ROOT" -B "$VRC_BUILD" -DCMAKE_TOOLCHAIN_FILE="$VRC_ROOT/cmake/mingw-$VRC_TRIPLE.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$VRC_BUILD" -j "$(nproc)" -- --no-print-directory
}

vrc_env_start() {
  if [ -z "${DISPLAY:-}" ]; then
    # The first display nobody holds; with none free, no display is shared.
    local n="" candidate
    for candidate in $(seq 90 299); do
      if [ ! -e "/tmp/.X11-unix/X$candidate" ] && [ ! -e "/tmp/.X$candidate-lock" ]; then
        n="$candidate"
        break
      fi
    done
    if [ -z "$n" ]; then
      echo "wine-env: no free display from :90 to :299 for Xvfb" >&2
      return 1
    fi
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    vrc_started_xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$vrc_started_xvfb" 2>/dev/null || break
      sleep 0.1
    done
    if ! kill -0 "$vrc_started_xvfb" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X$n" ]; then
      echo "wine-env: Xvfb did not start on display :$n" >&2
      vrc_env_stop
      return 1
    fi
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
  fi
  # One wineserver serves a prefix. One that runs already (another start of
  # the program or of the tests in this tree) is used as it is and left
  # running; status 2 is the server's word for it.
  local status=0
  "$WINESERVER" -p || status=$?
  case "$status" in
    0) vrc_started_wineserver=1 ;;
    2) echo "wine-env: a wineserver of $WINEPREFIX is running already; using it" >&2 ;;
    *)
      echo "wine-env: the wineserver of $WINEPREFIX did not start (status $status)" >&2
      vrc_env_stop
      return 1
      ;;
  esac
  # A program that crashes ends at once: no debugger is started for it (one
  # would wait for a user and hold the test until its time-out).
  if [ ! -f "$WINEPREFIX/.vrc-no-debugger" ]; then
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
    "$WINELOADER" reg add "$key" /v Debugger /t REG_SZ /d "" /f >/dev/null 2>&1 || true
    "$WINELOADER" reg add "$key" /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.vrc-no-debugger"
  fi
  # Start Wine's own background processes now, detached from any pipe: a
  # test whose output is captured must not find them holding its pipe open.
  "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

vrc_env_stop() {
  if [ -n "$vrc_started_wineserver" ]; then
    "$WINESERVER" -k >/dev/null 2>&1 || true
    vrc_started_wineserver=""
  fi
  if [ -n "$vrc_started_xvfb" ]; then
    kill "$vrc_started_xvfb" 2>/dev/null || true
    wait "$vrc_started_xvfb" 2>/dev/null || true
    vrc_started_xvfb=""
  fi
}
