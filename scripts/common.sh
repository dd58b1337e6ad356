# Shared steps of run.sh and test.sh.

TOLVAR_PACKAGES="cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core fonts-liberation2 ccache"

tolvar_install_packages() {
  local missing=()
  local p
  for p in $TOLVAR_PACKAGES; do
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
