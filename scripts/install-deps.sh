#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the benchmarks and the fuzzers need.
# Quick when everything is there: it asks dpkg first and calls apt-get only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev zlib1g-dev libqrencode-dev
  libgtest-dev libgmock-dev libbenchmark-dev libzint-dev
  clang libclang-rt-14-dev
  zbar-tools zint python3-zxing-cpp python3-pil glabels
  desktop-file-utils shared-mime-info libglib2.0-bin
  fonts-wqy-zenhei fonts-noto-cjk
  xvfb xauth poppler-utils
  cups cups-client cups-bsd printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "These Debian packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y "${missing[@]}"
