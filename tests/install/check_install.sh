#!/usr/bin/env bash
# Installs the built library into a scratch prefix and builds a host against it twice:
# with pkg-config and with find_package; then every example with pkg-config, run headless.
set -euo pipefail
build=$1
here=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
pc_dir=$(dirname "$(find "$prefix" -name zeledit.pc)")
export PKG_CONFIG_PATH="$pc_dir"
g++ -o "$prefix/host-pc" "$here/host.cpp" $(pkg-config --cflags --libs zeledit)
"$prefix/host-pc"

cmake -S "$here" -B "$prefix/host-build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$prefix/host-build" >/dev/null
"$prefix/host-build/host"

for example in "$here"/../../examples/*.cpp; do
    name=$(basename "$example" .cpp)
    g++ -o "$prefix/$name" "$example" $(pkg-config --cflags --libs zeledit)
    out=$(cd "$prefix" && ZELEDIT_HEADLESS=1 "./$name" "$prefix/$name.zdf" --once)
    echo "$name: $out"
    grep -q "bold: yes" <<<"$out"
done
