#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds the program and starts it on its sample enterprise.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/common.sh
tolvar_install_packages
tolvar_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVAR_TESTS=OFF -DTOLVAR_BENCH=OFF
exec ./build/bin/tolvar "$@"
