#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds the Debug build with sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/common.sh
tolvar_install_packages
export QT_QPA_PLATFORM=offscreen
# Qt's own start-up allocations are reported as leaks; the remaining checks stay on.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
tolvar_build build-test -DCMAKE_BUILD_TYPE=Debug -DTOLVAR_SANITIZE=ON
cd build-test
ctest --output-on-failure --no-tests=error --timeout 120 -j "$(nproc)"
