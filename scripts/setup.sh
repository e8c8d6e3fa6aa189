#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with. Idempotent:
# when everything is present it only checks, which takes a moment.
#   scripts/setup.sh        what building, testing and benchmarking need
#   scripts/setup.sh fuzz   also clang with libFuzzer and the sanitizers
set -euo pipefail
packages=(
  cmake g++ make ccache pkg-config
  qt6-base-dev libgl-dev
  libpugixml-dev libcurl4-openssl-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  xvfb xauth
  smitools  # smilint checks the generated SNMP MIB
  libxml2-utils
)
install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}
install_missing "${packages[@]}"
if [ "${1:-}" = fuzz ]; then
  install_missing clang llvm
  # libFuzzer and the sanitizer runtimes come with the compiler-rt package
  # of the clang version Debian's clang points to.
  version=$(clang -dumpversion | cut -d. -f1)
  install_missing "libclang-rt-$version-dev"
fi
