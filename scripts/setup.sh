#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with. Idempotent:
# when everything is present it only checks, which takes a moment.
set -euo pipefail
packages=(
  cmake g++ make ccache pkg-config
  qt6-base-dev libgl-dev
  libpugixml-dev libcurl4-openssl-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
