#!/usr/bin/env bash
# Installs every Debian 12 package Skiora needs to build, test and run.
# Idempotent; run as root (or through sudo).
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
  libqt6svg6 qt6-qpa-plugins libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  hp2xx python3-ezdxf poppler-utils xvfb xauth
  # regenerates the noon reference values (tests/core/mittag_referenz.py)
  python3-erfa
  fonts-liberation2 fonts-dejavu-core
  libdxflib-dev libgeonames-dev
  librsvg2-bin libxml2-utils
  clang libclang-rt-dev
  desktop-file-utils appstream lintian dpkg-dev fakeroot file
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps: missing ${missing[*]}; run this script as root, or install sudo" >&2
    exit 1
  fi
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
