#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking, fuzzing and the demo need.
# Installs only what is missing; safe to run again. Needs root (or sudo).
set -euo pipefail

packages=(
    # toolchain
    g++ make cmake ninja-build pkgconf git
    clang libclang-rt-14-dev clang-tidy
    # test and benchmark frameworks
    libgtest-dev libgmock-dev libbenchmark-dev
    # graphics device, fonts, images, interactive backend
    libcairo2-dev libfontconfig-dev libfreetype-dev
    libjpeg62-turbo-dev libpng-dev libtiff-dev libsdl2-dev
    # Unicode: composing decomposed text
    libicu-dev
    # the desktop backend under a virtual display in the tests, and its screenshots
    xvfb xdotool libx11-dev
    # printing: CUPS for real printers, a private cupsd in the tests, poppler to read PDFs back
    libcups2-dev cups-daemon cups-client poppler-utils
    # faces the tests measure with
    fonts-liberation2 fonts-dejavu-core
    # the reference pages from the public headers (make docs)
    doxygen
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
