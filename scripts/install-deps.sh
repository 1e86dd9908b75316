#!/usr/bin/env bash
# Installs the Debian packages the build, tests and tools need, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config ccache
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libpng-dev libjpeg-dev libfreetype-dev zlib1g-dev fonts-dejavu-core
  libcurl4-openssl-dev python3-aiosmtpd samba-common-bin xdg-utils
  nlohmann-json3-dev libsdl2-dev xvfb xdotool x11-apps)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
