#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with; does nothing when all are present.
# With --bench also what the benchmarks alone need: clang and its fuzzer runtime, and the drawings of the SVG
# round-trip check (icon themes and clip art of different makers; the openclipart packages are kept for a check
# of their own).
set -euo pipefail
packages=(
    cmake g++ make pkg-config clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    libpolyclipping-dev libpugixml-dev libpng-dev nlohmann-json3-dev libcli11-dev
    librsvg2-bin librsvg2-dev
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine64 xvfb xdotool imagemagick fonts-ipafont-gothic fonts-dejavu-core
)
if [ "${1:-}" = "--bench" ]; then
    packages+=(
        clang libclang-rt-dev
        adwaita-icon-theme elementary-icon-theme tango-icon-theme gnome-icon-theme-gartoon
        gnome-icon-theme-yasis sugar-icon-theme iso-flags-svg emelfm2-svg-icons
    )
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
