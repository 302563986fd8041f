#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the window's picture and icon from their SVG sources into the PNGs
# that the build embeds. Run it after editing an SVG and commit both.
# Needs rsvg-convert (librsvg2-bin), ImageMagick's convert and zopflipng
# (zopfli), which packs the picture tighter than convert, pixel for pixel.
set -euo pipefail
cd "$(dirname "$0")"

# The picture must be 24-bit colour without alpha.
rsvg-convert --width 503 --height 439 motor-and-screw.svg |
  convert png:- -background white -alpha remove -alpha off -strip PNG24:motor-and-screw.png
zopflipng -y -m motor-and-screw.png motor-and-screw.png >/dev/null

for size in 16 24 32 48 64; do
  rsvg-convert --width "$size" --height "$size" cnc-axis-calc.svg |
    convert png:- -strip "PNG32:cnc-axis-calc-$size.png"
done
