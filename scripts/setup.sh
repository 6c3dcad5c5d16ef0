#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, and nothing twice.
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (file dialogs, standard buttons) in Russian.
# fonts-dejavu-core: Cyrillic in the settings sheet; poppler-utils: its test reads the PDF.
# libqt6sql6-sqlite: the vehicles' history (Qt SQL's SQLite driver).
packages=(cmake g++ make qt6-base-dev qt6-serialport-dev libgl1-mesa-dev
          libgtest-dev libgmock-dev qt6-translations-l10n fonts-dejavu-core poppler-utils
          libqt6sql6-sqlite)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
