#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there: the program
# and its sound player, its menu entry and icons, its AppStream data, man page, changelog and
# licence, valid and of this version and its release date. Then builds the Debian package and
# has lintian check it: no error and no warning.
# Usage: install_test.sh <build dir> <version>
set -euo pipefail
build=$1
version=$2
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=$(mktemp -d)
packages=$(mktemp -d)
trap 'rm -rf "$prefix" "$packages"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=net.quorvane.Brewdial
fail() {
  echo "install: $*" >&2
  exit 1
}
has_line() { # <file> <line>
  grep -qxF "$2" "$1" || fail "$1 lacks the line '$2'"
}
has_text() { # <file> <text>
  grep -qF "$2" "$1" || fail "$1 lacks '$2'"
}

[ -x "$prefix/bin/brewdial" ] || fail "no executable bin/brewdial"
# The sound player, loaded at the first alarm from the library folder beside bin.
player=$(find "$prefix" -name libbrewdial-sound.so -path '*/lib*/brewdial/*')
[ -n "$player" ] || fail "no sound player lib/brewdial/libbrewdial-sound.so"

desktop=$prefix/share/applications/$id.desktop
# Clean means no errors and no hints either.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate refused: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
has_line "$desktop" "Exec=brewdial"
has_line "$desktop" "Icon=$id"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --strict "$metainfo" >/dev/null ||
  fail "appstreamcli refused $metainfo: $(appstreamcli validate --no-net "$metainfo")"
has_text "$metainfo" "<id>$id</id>"
has_text "$metainfo" "<launchable type=\"desktop-id\">$id.desktop</launchable>"
has_text "$metainfo" "<binary>brewdial</binary>"
# The release's date, from the one place the version lives: every build of it says the same.
release_date=$(sed -n 's/^set(BREWDIAL_RELEASE_DATE \([0-9-]*\))$/\1/p' "$source_dir/cmake/Version.cmake")
[ -n "$release_date" ] || fail "no BREWDIAL_RELEASE_DATE in cmake/Version.cmake"
has_text "$metainfo" "<release version=\"$version\" date=\"$release_date\"/>"

# A PNG starts with its signature and the IHDR chunk: width and height as big-endian 32-bit words.
png_size() { # <file> -> "<width>x<height>"
  local b
  read -ra b <<<"$(od -An -tu1 -N24 -v "$1" | tr -s ' \n' '  ')"
  [ "${b[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || fail "$1 is not a PNG"
  echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))x$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}
hicolor=$prefix/share/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
  png=$hicolor/${size}x$size/apps/$id.png
  [ -f "$png" ] || fail "no icon $png"
  [ "$(png_size "$png")" = "${size}x$size" ] || fail "$png is $(png_size "$png"), not ${size}x$size"
done
grep -q '<svg ' "$hicolor/scalable/apps/$id.svg" || fail "no scalable icon"

man=$prefix/share/man/man1/brewdial.1.gz
gzip -t "$man" || fail "$man is not a gzip file"
gzip -dc "$man" | grep -qF ".TH BREWDIAL 1 " || fail "$man is not the brewdial(1) page"
gzip -dc "$man" | grep -qF ".TH BREWDIAL 1 \"$release_date\" \"Brewdial $version\"" ||
  fail "$man is not of version $version, released $release_date"
changelog=$prefix/share/doc/brewdial/changelog.gz
gzip -dc "$changelog" | head -1 | grep -qF "brewdial ($version)" || fail "$changelog does not begin with $version"

cmp -s "$source_dir/LICENSE" "$prefix/share/doc/brewdial/copyright" ||
  fail "share/doc/brewdial/copyright is not the LICENSE"

echo "install: $(find "$prefix" -type f | wc -l) files installed and checked"

(cd "$build" && cpack -G DEB -B "$packages" >/dev/null) || fail "cpack made no Debian package"
deb=$(find "$packages" -maxdepth 1 -name "brewdial_${version}_*.deb")
[ -n "$deb" ] || fail "no brewdial_${version}_*.deb"
findings=$(lintian --info "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$findings" ] || fail "lintian on $(basename "$deb"):
$findings"
echo "install: lintian finds no error and no warning in $(basename "$deb")"
