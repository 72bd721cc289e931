#!/usr/bin/env bash
# Cross-builds for 64-bit Windows on Debian, as root like test.sh: installs the
# MinGW-w64 toolchain, builds Qt for MinGW from Debian's own source package once
# into a cache outside the tree (keyed by version, flags and patches, so CI on
# the same machine reuses it).
#
#   scripts/windows.sh qt        Qt for MinGW into the cache (prints its prefix)
#   scripts/windows.sh deps      QuaZip and ICU for MinGW into the cache (prints its prefix)
#   scripts/windows.sh build     the project, cross-built into build-windows/
#   scripts/windows.sh test      the whole suite under Wine (offscreen, results in *.txt files)
#   scripts/windows.sh package   the NSIS installer and the .zip in build-windows/
#   scripts/windows.sh check     installs the .exe under Wine, compares vire-image's outputs with
#                                the Linux build's (build/), screenshots the editor, uninstalls
#   scripts/windows.sh all       every stage, the suite last
#
# VIRE_WINDOWS_CACHE moves the cache (default /var/cache/vire-windows).
# Long builds run at low priority (nice -n 10).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${VIRE_WINDOWS_CACHE:-/var/cache/vire-windows}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

install_toolchain() {
  local pkgs=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev nsis ninja-build cmake dpkg-dev
              ccache icu-devtools groff-base wine64 xvfb xauth x11-apps netpbm fonts-dejavu-core) missing=()
  for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq </dev/null && apt-get install -y -qq "${missing[@]}" </dev/null >/dev/null
  fi
}

# Long steps keep their output in a log and show its end on failure.
source "$root/scripts/logged.sh"

# Debian's source packages need deb-src lines for the machine's own archive.
enable_sources() {
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local list=/etc/apt/sources.list.d/debian.sources
    [ -f "$list" ] || { echo "No $list to derive deb-src lines from" >&2; exit 1; }
    sed 's/^Types: deb$/Types: deb-src/' "$list" > /etc/apt/sources.list.d/vire-src.sources
    apt-get update -qq </dev/null
  fi
}

# The Debian version of a source package that holds an upstream version, the
# newest if several: a security update changes only the Debian revision
# (72.1-3+deb12u1), so nothing here names one. A repacked tarball's +dfsg or
# +ds belongs to the upstream version's spelling, not to its number.
debian_version() {   # debian_version <source package> <upstream version>
  local v u best=
  for v in $(apt-cache showsrc "$1" 2>/dev/null | awk -v p="$1" '/^Package: / { ok = $2 == p } ok && /^Version: / { print $2 }'); do
    u=$(upstream_part "$v"); u=${u%+dfsg*}; u=${u%+ds*}
    [ "$u" = "$2" ] || continue
    if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best=$v; fi
  done
  [ -n "$best" ] || { echo "No Debian source of $1 $2 (apt-cache showsrc $1)" >&2; return 1; }
  echo "$best"
}

# What a Debian version's source tree and tarballs are named by: no epoch, no revision.
upstream_part() {   # upstream_part <Debian version>
  local v=${1#*:}
  echo "${v%-*}"
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
  # Pictures are PNG (and the icon's .ico, which a test reads); nothing here uses
  # these widgets (Qt's file and message dialogs do not; the Windows style
  # includes the input dialog's header, so that one stays).
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_movie=OFF -DFEATURE_textodfwriter=OFF
  -DFEATURE_systemtrayicon=OFF -DFEATURE_sessionmanager=OFF
  -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF -DFEATURE_style_stylesheet=OFF -DFEATURE_mdiarea=OFF
  -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF
  -DFEATURE_fontcombobox=OFF -DFEATURE_fontdialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_wizard=OFF
  -DFEATURE_errormessage=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_undoview=OFF
  -DFEATURE_columnview=OFF -DFEATURE_splashscreen=OFF -DFEATURE_toolbox=OFF -DFEATURE_syntaxhighlighter=OFF
)
qt_key=$( { echo "$qt_version"; printf '%s\n' "${qt_flags[@]}"; cat "$root"/scripts/windows/qt-*.patch "$toolchain"; } \
  | sha256sum | cut -c1-12)
qt_prefix=$cache/qt-$qt_version-$qt_key

build_qt() {
  [ -f "$qt_prefix/.complete" ] && { echo "$qt_prefix"; return; }
  install_toolchain
  enable_sources
  local src=$cache/src version
  mkdir -p "$src"
  version=$(debian_version qt6-base "$qt_version")
  local tree=$src/qt6-base-$(upstream_part "$version")
  [ -d "$tree" ] || (cd "$src" && apt-get source -qq "qt6-base=$version" </dev/null)
  local work=$cache/work-qt-$qt_key
  rm -rf "$work" && cp -a "$tree" "$work"
  for p in "$root"/scripts/windows/qt-*.patch; do patch -d "$work" -p1 -s < "$p"; done
  logged "$work/configure.log" cmake -S "$work" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${qt_flags[@]}"
  logged "$work/build.log" nice -n 10 cmake --build "$work/build" -j "$(nproc)"
  logged "$work/install.log" cmake --install "$work/build"
  touch "$qt_prefix/.complete"
  rm -rf "$work"
  echo "$qt_prefix"
}

need_qt() {
  [ -f "$qt_prefix/.complete" ] || { echo "Qt for MinGW is not built yet: scripts/windows.sh qt" >&2; exit 1; }
}

# QuaZip 1.4 (Debian's qt6 source package, or the qt5 one: the same upstream
# tarball) against that Qt, with a QTextCodec stand-in for Core5Compat; ICU 72
# from Debian's source, cross-built with Debian's own ICU 72 tools as the
# host build (the same version, so names are spelled as on Linux).
quazip_version=1.4
icu_version=72.1

# Debian's source of QuaZip 1.4: the qt6 package's, else the qt5 one's (the
# same upstream tarball; the qt6 one was missing from a mirror).
fetch_quazip() {
  local d v
  for d in libquazip1-qt6 libquazip1-qt5; do
    [ -d "$cache/src/$d-$quazip_version" ] && { echo "$cache/src/$d-$quazip_version"; return; }
  done
  for d in libquazip1-qt6 libquazip1-qt5; do
    v=$(debian_version "$d" "$quazip_version") || continue
    (cd "$cache/src" && apt-get source -qq "$d=$v" </dev/null >/dev/null 2>&1) || true
    [ -d "$cache/src/$d-$quazip_version" ] && { echo "$cache/src/$d-$quazip_version"; return; }
  done
  echo "Could not fetch QuaZip's source" >&2
  exit 1
}

build_quazip() {
  local work=$1 src=$2
  cp -a "$src" "$work/quazip"
  patch -d "$work/quazip" -p1 -s < "$root/scripts/windows/quazip-textcodec.patch"
  mkdir -p "$work/compat/QtCore5Compat"
  cp "$root/scripts/windows/QTextCodec" "$work/compat/QtCore5Compat/"
  # QUAZIP_FETCH_LIBS would clone zlib and bzip2 from the network.
  logged "$work/quazip.log" cmake -S "$work/quazip" -B "$work/quazip-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DVIRE_WINDOWS_PREFIXES="$qt_prefix" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps_prefix" -DQUAZIP_QT_MAJOR_VERSION=6 \
    -DQUAZIP_FETCH_LIBS=OFF -DQUAZIP_BZIP2=OFF -DCMAKE_CXX_FLAGS="-I$work/compat"
  logged "$work/quazip.log" nice -n 10 cmake --build "$work/quazip-build" -j "$(nproc)"
  logged "$work/quazip.log" cmake --install "$work/quazip-build"
  # Whoever includes QuaZip's headers needs the stand-in too.
  local inc
  inc=$(dirname "$(find "$deps_prefix/include" -name quazip.h | head -1)")
  mkdir -p "$inc/../QtCore5Compat" && cp "$work/compat/QtCore5Compat/QTextCodec" "$inc/../QtCore5Compat/"
}

build_icu() {   # build_icu <work folder> <Debian's tarball of its patches>
  local work=$1
  mkdir -p "$work/icu-src"
  tar -xzf "$cache/src/icu_$icu_version.orig.tar.gz" -C "$work/icu-src"
  tar -xJf "$2" -C "$work/icu-src"
  while read -r p; do
    [ -n "$p" ] && patch -d "$work/icu-src/icu" -p1 -s < "$work/icu-src/debian/patches/$p"
  done < "$work/icu-src/debian/patches/series"
  # The host build a cross build needs is only its tools: Debian's, of the same version.
  local host=$work/icu-host
  mkdir -p "$host/config" "$host/bin" "$host/lib"
  printf '%s\n' "CROSS_ICU_VERSION=$icu_version" 'TOOLEXEEXT=' 'TOOLBINDIR=$(cross_buildroot)/bin' \
    'TOOLLIBDIR=$(cross_buildroot)/lib' 'INVOKE=' 'PKGDATA_INVOKE=' > "$host/config/icucross.mk"
  echo "CURR_FULL_DIR?=\$(shell pwd | sed 's/ /\\\\ /g')" > "$host/config/icucross.inc"
  for t in icupkg pkgdata genccode gencmn genrb gencnval gencfu makeconv genbrk gensprep gendict gennorm2; do
    local path
    path=$(command -v "$t" || true)
    [ -n "$path" ] && ln -sf "$path" "$host/bin/$t"
  done
  mkdir -p "$work/icu-build"
  (cd "$work/icu-build" && logged "$work/icu.log" env CC=x86_64-w64-mingw32-gcc-posix \
    CXX=x86_64-w64-mingw32-g++-posix CFLAGS=-O2 CXXFLAGS="-O2 -std=c++17" "$work/icu-src/icu/source/configure" \
    --host=x86_64-w64-mingw32 --with-cross-build="$host" --prefix="$icu_prefix" --enable-shared --disable-static \
    --disable-tests --disable-samples --disable-extras --disable-tools --disable-layoutex --with-data-packaging=library)
  logged "$work/icu.log" nice -n 10 make -C "$work/icu-build" -j "$(nproc)"
  logged "$work/icu.log" make -C "$work/icu-build" install
}

# ICU needs no Qt: keyed by its upstream version and build alone, so a new Qt
# keeps it; like Qt's key, not by Debian's revision, which is read from the
# archive only when the sources are fetched.
icu_key=$( { echo "$icu_version"; declare -f build_icu; cat "$toolchain"; } | sha256sum | cut -c1-12)
icu_prefix=$cache/icu-$icu_version-$icu_key
# QuaZip: keyed by Qt's key, its version, its build and the stand-in.
deps_key=$( { echo "$qt_key $quazip_version"; declare -f build_quazip;
              cat "$root"/scripts/windows/quazip-*.patch "$root"/scripts/windows/QTextCodec; } | sha256sum | cut -c1-12)
deps_prefix=$cache/quazip-$quazip_version-$deps_key

build_deps() {
  install_toolchain
  enable_sources
  mkdir -p "$cache/src"
  if [ ! -f "$icu_prefix/.complete" ]; then
    local icu_debian patches
    icu_debian=$(debian_version icu "$icu_version")
    patches=$cache/src/icu_${icu_debian#*:}.debian.tar.xz
    [ -f "$cache/src/icu_$icu_version.orig.tar.gz" ] && [ -f "$patches" ] \
      || (cd "$cache/src" && apt-get source -qq --download-only "icu=$icu_debian" </dev/null)
    local work=$cache/work-icu-$icu_key
    rm -rf "$work" "$icu_prefix" && mkdir -p "$work"
    build_icu "$work" "$patches"
    touch "$icu_prefix/.complete"
    rm -rf "$work"
  fi
  echo "$icu_prefix"
  [ "${1:-}" = icu ] && return
  need_qt
  if [ ! -f "$deps_prefix/.complete" ]; then
    local src
    src=$(fetch_quazip)
    local work=$cache/work-quazip-$deps_key
    rm -rf "$work" "$deps_prefix" && mkdir -p "$work"
    build_quazip "$work" "$src"
    touch "$deps_prefix/.complete"
    rm -rf "$work"
  fi
  echo "$deps_prefix"
}

need_deps() {
  [ -f "$icu_prefix/.complete" ] && [ -f "$deps_prefix/.complete" ] \
    || { echo "QuaZip and ICU are not built yet: scripts/windows.sh deps" >&2; exit 1; }
}

bw=$root/build-windows

build_project() {
  need_qt
  need_deps
  install_toolchain
  cmake -S "$root" -B "$bw" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DVIRE_WINDOWS_PREFIXES="$qt_prefix;$deps_prefix;$icu_prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DICU_ROOT="$icu_prefix" \
    -DCMAKE_BUILD_TYPE=Release -DVIRE_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  nice -n 10 cmake --build "$bw" -j "$(nproc)"
}

# Wine in a prefix of its own inside build-windows/, with no display of the
# machine's, no Mono or Gecko installer, the DLLs found on WINEPATH.
wine_env() {
  export WINEPREFIX=$bw/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine's window driver needs a display even for offscreen Qt (its event
  # loop has a hidden window): a virtual one of our own.
  if [ -z "${VIRE_XVFB:-}" ]; then
    local n=87
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VIRE_XVFB=$!
    trap 'kill $VIRE_XVFB 2>/dev/null || true' EXIT
    sleep 1
  fi
  local gcc_dir
  gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  export WINEPATH="$qt_prefix/bin;$deps_prefix/bin;$deps_prefix/lib;$icu_prefix/bin;$gcc_dir;/usr/x86_64-w64-mingw32/lib"
  # Qt's offscreen platform draws with the bundled FreeType and needs fonts.
  mkdir -p "$bw/fonts" && cp /usr/share/fonts/truetype/dejavu/*.ttf "$bw/fonts/"
  export WINEQT_QPA_FONTDIR=$bw/fonts
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w
  fi
}

test_project() {
  install_toolchain
  wine_env
  local status=0
  find "$bw/tests" -name 'test_*.txt' -delete
  # One suite at a time: Wine now and then fails to start a program while
  # another starts.
  (cd "$bw" && ctest --timeout 300 "$@") || status=$?
  # What Qt Test wrote of the failures.
  for f in $(find "$bw/tests" -name 'test_*.txt'); do
    grep -q '^FAIL!' "$f" && { echo "== $f"; grep -B2 -A4 '^FAIL!' "$f"; }
  done
  return $status
}

package_project() {
  install_toolchain
  (cd "$bw" && cpack -G "NSIS;ZIP" >"$bw/cpack.log")
  ls -l "$bw"/vire-flash-editor-*-win64.{exe,zip}
}

# The installed programs against the Linux build's vire-image (build/).
check_installed() {
  install_toolchain
  wine_env
  local linux=$root/build/cli/vire-image
  [ -x "$linux" ] || { echo "Build the Linux vire-image first (build/cli/vire-image)" >&2; exit 1; }
  local exe dir=$bw/check
  exe=$(ls "$bw"/vire-flash-editor-*-win64.exe)
  rm -rf "$dir" && mkdir -p "$dir/linux" "$dir/windows"
  local wine=/usr/lib/wine/wine64
  local pf=$WINEPREFIX/drive_c/Program\ Files/VIRE\ Flash\ editor
  # The installer's own DLLs only, not the build's.
  WINEPATH= "$wine" "$exe" /S
  /usr/lib/wine/wineserver -w
  for f in bin/vire-flash-editor.exe bin/vire-image.exe bin/vire-image.txt bin/Qt6Core.dll bin/platforms/qwindows.dll LICENSE.txt Uninstall.exe; do
    [ -f "$pf/$f" ] || { echo "FAIL: not installed: $f" >&2; exit 1; }
  done
  # Sample inputs: a CSV, a vCard and a WAV.
  printf 'Number,Name\r\n0701234567,Anna\r\n555,Office\r\n' > "$dir/in.csv"
  printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bertil\r\nTEL;TYPE=CELL:0709876543\r\nEND:VCARD\r\n' > "$dir/in.vcf"
  python3 - "$dir/in.wav" <<'PY'
import struct, sys
samples = bytes((i * 7) % 256 for i in range(4000))
fmt = struct.pack('<HHIIHH', 1, 1, 8000, 8000, 1, 8)
data = b'RIFF' + struct.pack('<I', 4 + 8 + len(fmt) + 8 + len(samples)) + b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(samples)) + samples
open(sys.argv[1], 'wb').write(data)
PY
  run_both() {   # run_both <args with OUT/ for the output folder and IN/ for the inputs>
    local args=("$@") l=() w=()
    for a in "${args[@]}"; do l+=("${a//OUT\//$dir/linux/}"); w+=("${a//OUT\//$dir/windows/}"); done
    l=("${l[@]//IN\//$dir/}"); w=("${w[@]//IN\//$dir/}")
    local ls=0 ws=0
    "$linux" "${l[@]}" >"$dir/linux/stdout.$n" 2>/dev/null || ls=$?
    WINEPATH= "$wine" "$pf/bin/vire-image.exe" "${w[@]}" >"$dir/windows/stdout.$n" 2>/dev/null || ws=$?
    [ "$ls" = "$ws" ] || { echo "FAIL: vire-image $* exits $ws on Windows, $ls on Linux" >&2; exit 1; }
    n=$((n + 1))
  }
  local n=0
  run_both new -o OUT/new.bin
  run_both import OUT/new.bin IN/in.csv -o OUT/csv.bin
  run_both import OUT/csv.bin IN/in.vcf -o OUT/vcf.bin
  for f in csv vcard xlsx ods; do run_both export OUT/vcf.bin --format $f -o OUT/out.$f; done
  run_both export OUT/vcf.bin
  run_both diff OUT/new.bin OUT/vcf.bin
  run_both sound-import OUT/vcf.bin 3 IN/in.wav -o OUT/sound.bin
  # vire-image writes standard output in binary mode: every byte compares too.
  for f in "$dir"/linux/*; do
    cmp "$f" "$dir/windows/${f##*/}" || { echo "FAIL: ${f##*/} differs between Linux and Windows" >&2; exit 1; }
  done
  echo "vire-image: $(ls "$dir/linux" | wc -l) outputs byte-identical"
  # The installed editor on the windows platform, photographed on the virtual display.
  WINEPATH= "$wine" "$pf/bin/vire-flash-editor.exe" >/dev/null 2>&1 &
  local editor=$!
  sleep 15
  xwd -root -display "$DISPLAY" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$bw/windows-editor.png"
  kill "$editor" 2>/dev/null || true
  /usr/lib/wine/wineserver -k || true
  [ -s "$bw/windows-editor.png" ] || { echo "FAIL: no screenshot" >&2; exit 1; }
  # Uninstalled cleanly: the uninstaller waits (_?=) and nothing is left.
  WINEPATH= "$wine" "$pf/Uninstall.exe" /S "_?=C:\\Program Files\\VIRE Flash editor"
  /usr/lib/wine/wineserver -w
  rm -f "$pf/Uninstall.exe"
  rmdir "$pf" 2>/dev/null || true
  [ ! -e "$pf" ] || { echo "FAIL: left after uninstalling:" >&2; find "$pf" >&2; exit 1; }
  echo "installed, checked and uninstalled; screenshot: $bw/windows-editor.png"
}

timed() {   # timed <stage> <function>...
  local start=$SECONDS
  "${@:2}"
  echo "stage $1: $((SECONDS - start)) s" >&2
}

case "${1:-}" in
  prefixes) echo "$qt_prefix"; echo "$icu_prefix"; echo "$deps_prefix" ;;
  qt) timed qt build_qt ;;
  deps) shift; timed deps build_deps "$@" ;;
  build) timed build build_project ;;
  test) shift; timed test test_project "$@" ;;
  package) timed package package_project ;;
  check) timed check check_installed ;;
  all)
    timed qt build_qt
    timed deps build_deps
    timed build build_project
    timed package package_project
    timed check check_installed
    timed test test_project ;;
  *) echo "usage: scripts/windows.sh qt|deps|build|test|package|check|all" >&2; exit 2 ;;
esac
