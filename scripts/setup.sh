#!/usr/bin/env bash
# Installs the Debian packages the build, the simulation run and the tests
# need; only the missing ones, so a second run does nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config zlib1g-dev
  qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev qtmultimedia5-dev libqt5serialport5-dev
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2
  qml-module-qtquick-layouts qml-module-qttest qml-module-qtmultimedia
  qml-module-qtqml-statemachine
  libmodbus-dev dbus
  # lupdate/lrelease and CMake's Qt5LinguistTools: the translations are
  # compiled in the build.
  qttools5-dev-tools qttools5-dev
  # The IoT agent's menu packages are unpacked with it.
  unzip
  # Two cabinets of one site meet over a veth pair between network namespaces.
  iproute2
  # Glyphs for the Chinese, Japanese and Korean screens in headless runs
  # (Arabic comes with the DejaVu fonts).
  fonts-wqy-microhei fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
