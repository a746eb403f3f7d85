#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, then configures and
# builds the given presets. Used by ./run and ./test; nothing is downloaded but Debian packages.
set -euo pipefail

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libarchive-dev libxlsxwriter-dev libbenchmark-dev
          libxcb1-dev xvfb xauth fonts-ipafont-gothic poppler-utils python3 python3-openpyxl unzip)
# The fuzz preset builds with clang and links libFuzzer; only it needs them.
for preset in "$@"; do
    if [[ "$preset" == "fuzz" ]]; then
        PACKAGES+=(clang libfuzzer-14-dev)
    fi
done

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    line="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
    if [[ $(id -u) -ne 0 ]]; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root, then run this command again:" >&2
        echo "  $line" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    bash -c "$line"
fi

cd "$(dirname "$0")/.."
for preset in "$@"; do
    extra=()
    if [[ "${CI:-}" == "true" ]]; then
        extra+=(-DVOKG_WERROR=ON)
    fi
    cmake --preset "$preset" "${extra[@]}" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
done
