#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
