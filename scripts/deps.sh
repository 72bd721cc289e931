#!/usr/bin/env bash
# Installs the Debian packages the editor needs to build, if any are missing.
# ccache keeps compiled objects between builds and clones. Sourced by run.sh and test.sh; extra package names may be passed as arguments.
# With vire_log set, apt's output goes to that file, its end shown if it fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/logged.sh"

# The package test also needs desktop-file-utils and appstream (validators),
# dpkg-dev (dpkg-shlibdeps) and file (CPack's DEB generator). The CardDAV
# tests start Radicale's Python module (python3-radicale, not the radicale
# package, which installs a system service) and Xandikos, and make
# certificates with openssl. The window's accessibility test switches Qt's
# accessibility on through its platform layer, whose headers come with
# qt6-base-private-dev. Names in other scripts are spelled with ICU.
vire_packages=(cmake g++ ninja-build ccache qt6-base-dev qt6-base-private-dev libquazip1-qt6-dev libicu-dev
  desktop-file-utils appstream dpkg-dev file python3-radicale xandikos openssl "$@")

vire_missing=()
for p in "${vire_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    vire_missing+=("$p")
  fi
done

if [ ${#vire_missing[@]} -gt 0 ]; then
  line="apt-get update && apt-get install -y ${vire_missing[*]}"
  echo "Installing packages: ${vire_missing[*]}"
  vire_apt=()
  [ -z "${vire_log:-}" ] || vire_apt=(logged "$vire_log")
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    "${vire_apt[@]}" sh -c 'apt-get update -qq && apt-get install -y -qq "$@"' sh "${vire_missing[@]}" </dev/null
  elif command -v sudo >/dev/null 2>&1; then
    "${vire_apt[@]}" sudo sh -c "DEBIAN_FRONTEND=noninteractive apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ${vire_missing[*]}" || {
      echo "Could not install the missing packages. Run this, then try again:" >&2
      echo "  sudo sh -c '$line'" >&2
      exit 1
    }
  else
    echo "Missing packages and no way to install them here. Run this as root, then try again:" >&2
    echo "  $line" >&2
    exit 1
  fi
fi
