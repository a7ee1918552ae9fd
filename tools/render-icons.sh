#!/usr/bin/env bash
# Renders the scalable icon into the PNG sizes that the package installs beside it
# (resources/icons/vorline-SIZE.png). Run after changing resources/vorline.svg; needs
# rsvg-convert (librsvg2-bin) and the DejaVu fonts the icon's text names.
set -euo pipefail
resources="$(cd "$(dirname "$0")/../resources" && pwd)"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" -o "$resources/icons/vorline-$size.png" "$resources/vorline.svg"
done
