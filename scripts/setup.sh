#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need; only what is missing.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev python3-ezdxf
          clang libclang-rt-14-dev fonts-dejavu-core)
# Qt's own Italian texts: standard buttons and the file and print dialogs.
packages+=(qt6-translations-l10n)
packages+=(poppler-utils)  # pdftotext reads back the printing tests' PDF files
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
