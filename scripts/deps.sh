#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail
packages=(cmake g++ make pkg-config qtbase5-dev libqt5serialport5-dev qttools5-dev
          qttools5-dev-tools iproute2 util-linux)
[ "${1:-}" = "--gui" ] && packages+=(xvfb xauth)
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)
[ "${1:-}" = "--test" ] && packages+=(clang-format)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
