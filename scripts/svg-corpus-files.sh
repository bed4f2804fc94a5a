#!/usr/bin/env bash
# Prints the drawings of the SVG round-trip check, one path a line: a fixed share of the SVG files of installed
# Debian icon themes and clip art of different makers, tools and sizes (hand-drawn Inkscape icons with gradients
# and filters, symbolic icons, flags with many paths, simple line art, old Sodipodi files). Fetches nothing;
# `scripts/setup.sh --bench` installs the packages. TRIMORA_CORPUS_PER_PACKAGE sets the share (default 45).
set -euo pipefail
per_package=${TRIMORA_CORPUS_PER_PACKAGE:-45}
packages=(
    adwaita-icon-theme elementary-icon-theme tango-icon-theme gnome-icon-theme-gartoon
    gnome-icon-theme-yasis sugar-icon-theme iso-flags-svg emelfm2-svg-icons
)
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        echo "svg-corpus-files: $p is not installed (run scripts/setup.sh --bench)" >&2
        exit 1
    fi
    # Regular files only, one of each content, then every n-th so that the share spans the whole package.
    mapfile -t all < <(dpkg -L "$p" | grep -E '\.svg$' | while read -r f; do [ -f "$f" ] && [ ! -L "$f" ] && echo "$f"; done |
        sort | xargs -r md5sum | sort -k1,1 -u | awk '{print $2}' | sort)
    [ ${#all[@]} -gt 0 ] || continue
    step=$(((${#all[@]} + per_package - 1) / per_package))
    for ((i = 0; i < ${#all[@]}; i += step)); do echo "${all[$i]}"; done
done
