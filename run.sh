#!/usr/bin/env bash
# Installs what is missing, builds the editor and vire-image (not the tests:
# ./test.sh adds them to the same build/) and starts the editor. One line per
# step; the tools' output goes to build/run.log, whose end is shown if a step fails.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p build
vire_log=$PWD/build/run.log
: >"$vire_log"
source scripts/deps.sh
# The package test reads the targets from this line.
scripts/build.sh --log "$vire_log" --target vire-flash-editor --target vire-image build
echo "Starting build/app/vire-flash-editor"
exec build/app/vire-flash-editor
