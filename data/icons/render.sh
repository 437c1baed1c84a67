#!/usr/bin/env bash
# Renders the PNGs beside their SVG sources. The PNGs are kept in the
# repository, so building and installing need no SVG renderer; run this
# after changing an SVG (needs rsvg-convert, Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"

app=org.orvane.Orvane
for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "hicolor/scalable/apps/$app.svg" -o "hicolor/${size}x${size}/apps/$app.png"
done

# Toolbar icons at the small and regular toolbar sizes and twice each.
for svg in toolbar/*.svg; do
  for size in 16 24 32 48; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "${svg%.svg}-$size.png"
  done
done
