#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds the Debug build with sanitizers (warnings are
# errors) and runs every test offscreen, then runs the window tests again on a virtual X server
# with a window manager.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/common.sh
TOLVAR_SOURCE_DIR=$PWD
tolvar_install_packages $TOLVAR_DESKTOP_PACKAGES $TOLVAR_CHECK_PACKAGES
# The code map names only files that exist and every window class; includes follow the library
# graph; every C++ file is in the .clang-format style.
./scripts/check_docs.sh
./scripts/check_layers.sh
./scripts/check_format.sh
# The build of CMakePresets.json's "sanitize" preset (build-test/), with its sanitizers' options
# built in (cmake/sanitizer_options.cpp).
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$(nproc)"
# Every test runs once: a test that fails is a fault to mend, not to repeat.
ctest --preset sanitize -j "$(nproc)"
cd build-test

# Desktop run: real activation, focus changes on closing a window, a window manager.
trap tolvar_desktop_stop EXIT
tolvar_desktop_start
echo "Window tests on the desktop ($DISPLAY):"
export TOLVAR_SHARE_DIR="$PWD/share/tolvar"
for t in test_ui test_app test_windows; do
  tolvar_desktop_run "./tests/$t"
done
