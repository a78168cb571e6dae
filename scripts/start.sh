#!/usr/bin/env bash
# Builds the configurator (with the programs it ships) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=$("$root/scripts/configure.sh" | tail -n 1)
cmake --build "$build" --target configurator
exec "$build/bin/configurator"
