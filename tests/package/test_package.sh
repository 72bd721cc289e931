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

# ./run.sh builds only what it starts, into the folder ./test.sh completes:
# every scripts/build.sh line in it names its targets, and nothing those need
# (Ninja lists every input, recursively) is a test's, a benchmark's or a fuzz target's.
src=$(cd "$(dirname "$0")/../.." && pwd)
if [ -f "$build/build.ninja" ]; then
  run_targets=()
  while read -r line; do
    t=$(grep -oE -- '--target +[^ ]+' <<<"$line" | awk '{ print $2 }' || true)
    [ -n "$t" ] || fail "run.sh builds every target: $line"
    run_targets+=($t)
  done < <(grep -E '^[[:space:]]*scripts/build\.sh' "$src/run.sh")
  [ ${#run_targets[@]} -gt 0 ] || fail "run.sh does not build through scripts/build.sh"
  inputs=$(ninja -C "$build" -t inputs "${run_targets[@]}") || fail "no such targets: ${run_targets[*]}"
  extra=$(awk -v src="$src/" '{ p = index($0, src) == 1 ? substr($0, length(src) + 1) : $0 }
                              p ~ /^(tests|bench|fuzz)\// { print }' <<<"$inputs")
  [ -z "$extra" ] || fail "run.sh would build tests, benchmarks or fuzz targets: $(head -3 <<<"$extra")"
  echo "run.sh builds ${run_targets[*]}: $(wc -l <<<"$inputs") inputs, none of tests/, bench/ or fuzz/"
fi

files=(
  bin/vire-flash-editor
  bin/vire-image
  share/man/man1/vire-image.1
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/doc/vire-flash-editor/copyright
  share/icons/hicolor/scalable/apps/$id.svg
)
cmake --install "$build" --prefix "$tmp/root" >/dev/null
# Each PNG icon is as large as the folder it is in says.
for size in 16 32 48 64 128 256; do
  files+=("share/icons/hicolor/${size}x$size/apps/$id.png")
  dims=$(od -An -tx1 -j16 -N8 "$tmp/root/${files[-1]}" 2>/dev/null | tr -d ' \n') || fail "not installed: ${files[-1]}"
  [ "$dims" = "$(printf '%08x%08x' "$size" "$size")" ] || fail "the ${size}x$size icon is not $size pixels"
done
for f in "${files[@]}"; do
  [ -s "$tmp/root/$f" ] || fail "not installed: $f"
done
grep -q '<svg' "$tmp/root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"
# Debian's machine-readable copyright format, with the licence's text.
copyright=$tmp/root/share/doc/vire-flash-editor/copyright
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "copyright: not in the machine-readable format"
grep -qx 'Files: \*' "$copyright" || fail "copyright: no paragraph for all files"
# Its licence paragraph is LICENSE's text below the copyright line.
licence=$(awk '/^License: Expat$/ { n = NR } { line[NR] = $0 } END { for (i = n + 1; i <= NR; i++) print line[i] }' "$copyright" \
          | sed -e 's/^ //' -e 's/^\.$//')
[ "$licence" = "$(tail -n +5 "$(dirname "$0")/../../LICENSE")" ] || fail "copyright: the licence is not LICENSE's"
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
