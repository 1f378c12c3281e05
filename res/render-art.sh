#!/usr/bin/env bash
# Renders Brewdial's PNG artwork from the hand-written SVG sources.
# Developer tool only: the build uses the committed PNGs.
#   icons/src/<id>.svg      -> icons/<id>-<size>.png  (size 16 22 32 48 64)
#   icons/src/<id>-<n>.svg  -> icons/<id>-<n>.png     (pixel-tuned drawing for n = 16, 22 or 32,
#                                                      used instead of <id>.svg when present)
#   bitmaps/src/<id>.svg    -> bitmaps/<id>.png       (43 x 134)
#   icons/src/128.svg       -> ../dist/icons/net.quorvane.Brewdial-<size>.png (size 128 256: the
#                              program icon for desktop menus, beside icons/128-<size>.png;
#                              24 px is the 22 px drawing with a 1 px margin, as themes do)
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"

if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "render-art.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
  exit 1
fi

sizes=(16 22 32 48 64)
tuned=(16 22 32)   # sizes that may have a hand-tuned icons/src/<id>-<size>.svg
count=0

render() { # <svg> <png> <width> <height> [rsvg-convert options]
  rsvg-convert --format=png --width="$3" --height="$4" --output="$2" "${@:5}" "$1"
  count=$((count + 1))
}

shopt -s nullglob
for svg in icons/src/*.svg; do
  name=$(basename "$svg" .svg)
  case "$name" in *-16 | *-22 | *-32) continue ;; esac
  for size in "${sizes[@]}"; do
    src=$svg
    if [[ " ${tuned[*]} " == *" $size "* && -f icons/src/$name-$size.svg ]]; then
      src=icons/src/$name-$size.svg
    fi
    render "$src" "icons/$name-$size.png" "$size" "$size"
  done
done

for svg in bitmaps/src/*.svg; do
  name=$(basename "$svg" .svg)
  render "$svg" "bitmaps/$name.png" 43 134
done

menu_icon=../dist/icons/net.quorvane.Brewdial
mkdir -p ../dist/icons
render icons/src/128.svg "$menu_icon-128.png" 128 128
render icons/src/128.svg "$menu_icon-256.png" 256 256
render icons/src/128-22.svg "$menu_icon-24.png" 22 22 --page-width=24 --page-height=24 --left=1 --top=1

echo "render-art.sh: wrote $count PNG files"
