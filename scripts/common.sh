# Shared steps of run.sh and test.sh.

TOLVAR_PACKAGES="cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core fonts-liberation2 ccache"
# The desktop run of the window tests: a virtual X server, a small window manager, xprop to
# see the window manager ready, and the X protocol library through which the tests ask the
# window manager as its buttons do.
TOLVAR_DESKTOP_PACKAGES="xvfb openbox x11-utils libxcb1-dev"
# The format check of test.sh.
TOLVAR_CHECK_PACKAGES="clang-format"

# tolvar_install_packages [extra packages...]
tolvar_install_packages() {
  local missing=()
  local p
  for p in $TOLVAR_PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages. Run as root:"
    echo "  apt-get install -y ${missing[*]}"
    exit 1
  fi
}

# tolvar_build <build dir> <cmake options...>
tolvar_build() {
  local dir=$1
  shift
  # Test discovery runs the test binaries at build time: no display needed.
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  QT_QPA_PLATFORM=offscreen cmake --build "$dir" -j "$(nproc)"
}

# tolvar_desktop_start: starts Xvfb on a free display (the server picks it: -displayfd) and
# openbox on it, exports DISPLAY, and waits until the window manager runs. tolvar_desktop_stop
# ends both.
TOLVAR_XVFB_PID=
TOLVAR_WM_PID=
tolvar_desktop_start() {
  local numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  TOLVAR_XVFB_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$numfile" ] && break
    sleep 0.1
  done
  if [ ! -s "$numfile" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$numfile"
    return 1
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
  rm -f "$numfile"
  openbox --sm-disable >/dev/null 2>&1 &
  TOLVAR_WM_PID=$!
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    sleep 0.1
  done
  echo "openbox did not start on $DISPLAY" >&2
  return 1
}

tolvar_desktop_stop() {
  [ -n "$TOLVAR_WM_PID" ] && kill "$TOLVAR_WM_PID" 2>/dev/null && wait "$TOLVAR_WM_PID" 2>/dev/null
  [ -n "$TOLVAR_XVFB_PID" ] && kill "$TOLVAR_XVFB_PID" 2>/dev/null && wait "$TOLVAR_XVFB_PID" 2>/dev/null
  TOLVAR_WM_PID=
  TOLVAR_XVFB_PID=
  return 0
}

# tolvar_desktop_run <test binary>: runs a window test binary once on the desktop, leaving out
# the tests listed in tests/desktop_known_failures.txt.
tolvar_desktop_run() {
  local bin=$1
  local known
  # sed, not grep: an empty list is no error.
  known=$(sed -e '/^#/d' -e '/^[[:space:]]*$/d' "$TOLVAR_SOURCE_DIR/tests/desktop_known_failures.txt" | paste -sd: -)
  QT_QPA_PLATFORM=xcb timeout 900 "$bin" --gtest_brief=1 ${known:+--gtest_filter=-$known}
}
