#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon, data/icons/hicolor/scalable/apps/*.svg, into the PNG sizes of
# the hicolor icon theme beside it (checked in, so that a build needs no SVG renderer). Run
# after changing the SVG; needs rsvg-convert (Debian: librsvg2-bin).
#   tools/render-icons.sh
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)"; exit 1; }
for svg in scalable/apps/*.svg; do
    for n in 16 32 48 64 128 256; do
        mkdir -p "${n}x${n}/apps"
        rsvg-convert -w $n -h $n "$svg" -o "${n}x${n}/apps/$(basename "$svg" .svg).png"
    done
done
