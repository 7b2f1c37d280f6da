#!/usr/bin/env bash
# Installs the Debian packages Sockwright needs to build, test and run; quick when all are there.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config clang-format clang-tidy
    libgtest-dev libbenchmark-dev
    qt6-base-dev libxkbcommon-dev qt6-qpa-plugins
    fontconfig fonts-dejavu-core fonts-quattrocento
    # The real update server of the update tests.
    nginx
    # The program's windows on a real X server under a real window manager, read and driven.
    xvfb xauth openbox x11-utils xdotool
    # The Debian package: made by CPack with dpkg-shlibdeps, checked by the validators and lintian.
    dpkg-dev file desktop-file-utils appstream lintian
)
# `install-deps.sh fuzz`: clang with libFuzzer as well, for `make fuzz`.
if [[ "${1:-}" == "fuzz" ]]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
