#!/usr/bin/env bash
# Cross-builds for 64-bit Windows on Debian, as root like test.sh: installs the
# MinGW-w64 toolchain, builds Qt for MinGW from Debian's own source package once
# into a cache outside the tree (keyed by version, flags and patches, so CI on
# the same machine reuses it).
#
#   scripts/windows.sh qt      Qt for MinGW into the cache (prints its prefix)
#
# VIRE_WINDOWS_CACHE moves the cache (default /var/cache/vire-windows).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${VIRE_WINDOWS_CACHE:-/var/cache/vire-windows}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

install_toolchain() {
  local pkgs=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev nsis ninja-build cmake dpkg-dev) missing=()
  for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq </dev/null && apt-get install -y -qq "${missing[@]}" </dev/null
  fi
}

# Debian's source packages need deb-src lines for the machine's own archive.
enable_sources() {
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local list=/etc/apt/sources.list.d/debian.sources
    [ -f "$list" ] || { echo "No $list to derive deb-src lines from" >&2; exit 1; }
    sed 's/^Types: deb$/Types: deb-src/' "$list" > /etc/apt/sources.list.d/vire-src.sources
    apt-get update -qq </dev/null
  fi
}

# Only what the editor, vire-image and their tests use; the offscreen platform
# needs the bundled FreeType; TLS through Schannel.
qt_version=6.4.2
qt_flags=(
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
  -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
  # The +dfsg tarball lacks src/3rdparty/wintab.
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF
  -DFEATURE_schannel=ON -DFEATURE_openssl=OFF -DINPUT_freetype=qt -DFEATURE_system_zlib=ON
  -DFEATURE_pdf=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
)
qt_key=$( { echo "$qt_version"; printf '%s\n' "${qt_flags[@]}"; cat "$root"/scripts/windows/qt-*.patch "$toolchain"; } \
  | sha256sum | cut -c1-12)
qt_prefix=$cache/qt-$qt_version-$qt_key

build_qt() {
  [ -f "$qt_prefix/.complete" ] && { echo "$qt_prefix"; return; }
  install_toolchain
  enable_sources
  local src=$cache/src
  mkdir -p "$src"
  if [ ! -d "$src/qt6-base-$qt_version+dfsg" ]; then
    (cd "$src" && apt-get source -qq "qt6-base=$qt_version+dfsg-10" </dev/null)
  fi
  local work=$cache/work-qt-$qt_key
  rm -rf "$work" && cp -a "$src/qt6-base-$qt_version+dfsg" "$work"
  for p in "$root"/scripts/windows/qt-*.patch; do patch -d "$work" -p1 -s < "$p"; done
  cmake -S "$work" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${qt_flags[@]}" >"$work/configure.log"
  nice cmake --build "$work/build" -j "$(nproc)" >"$work/build.log"
  cmake --install "$work/build" >/dev/null
  touch "$qt_prefix/.complete"
  rm -rf "$work"
  echo "$qt_prefix"
}

case "${1:-}" in
  qt) build_qt ;;
  *) echo "usage: scripts/windows.sh qt" >&2; exit 2 ;;
esac
