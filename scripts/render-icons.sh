#!/usr/bin/env bash
# Renders the scalable application icon to the PNG sizes software centres ask
# for (64, 128 and 256 pixels). The PNGs are committed, so the build needs no
# SVG renderer; run this again only after changing resources/app-icon.svg.
# Needs rsvg-convert (Debian package librsvg2-bin). The 16, 32 and 48 pixel
# icons are pixel art drawn by hand and are not rendered.
set -euo pipefail
resources=$(cd "$(dirname "$0")/../resources" && pwd)
for size in 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$resources/app-icon.svg" -o "$resources/app-icon-$size.png"
done
