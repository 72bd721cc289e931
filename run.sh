#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
scripts/build.sh build
exec build/app/vire-flash-editor
