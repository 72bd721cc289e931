#!/usr/bin/env bash
# What a desktop user gets: installs into a temporary prefix, validates the
# desktop entry and the AppStream data, then builds the Debian package and
# checks that it holds all of it and takes its dependencies from the binaries.
# test_package.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
id=org.example.VireFlashEditor
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

files=(
  bin/vire-flash-editor
  bin/vire-image
  share/man/man1/vire-image.1
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/16x16/apps/$id.png
  share/icons/hicolor/32x32/apps/$id.png
  share/icons/hicolor/48x48/apps/$id.png
)

cmake --install "$build" --prefix "$tmp/root" >/dev/null
for f in "${files[@]}"; do
  [ -s "$tmp/root/$f" ] || fail "not installed: $f"
done
# Warnings count as failures too.
out=$(desktop-file-validate "$tmp/root/share/applications/$id.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "$out"
appstreamcli validate --no-net "$tmp/root/share/metainfo/$id.metainfo.xml" \
  || fail "AppStream data do not validate"

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null) \
  || fail "cpack -G DEB"
debs=("$tmp"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single .deb built"
listing=$(dpkg-deb -c "${debs[0]}")
for f in "${files[@]}"; do
  grep -q " \./usr/$f\$" <<<"$listing" || fail "not in the package: /usr/$f"
done
[ "$(dpkg-deb -f "${debs[0]}" Section)" = utils ] || fail "section is not utils"
[ -n "$(dpkg-deb -f "${debs[0]}" Maintainer)" ] || fail "no maintainer"
dpkg-deb -f "${debs[0]}" Depends | grep -q 'libqt6widgets6' || fail "dependencies not taken from the binaries"
echo "package ${debs[0]##*/}: ${#files[@]} files checked"
