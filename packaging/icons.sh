#!/usr/bin/env bash
# Makes the program's PNG icons from data/calendrix.svg (needs rsvg-convert,
# package librsvg2-bin). The PNGs are checked in, so building needs no SVG
# renderer; run this after changing the SVG and commit what it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 32 64 128 256; do
    rsvg-convert --width "$size" --height "$size" data/calendrix.svg --output "data/calendrix-$size.png"
done
