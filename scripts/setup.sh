#!/usr/bin/env bash
# Installs the Debian packages and the locale that building and testing need.
# Does nothing when everything is already present, so it is safe to run before every build.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libshp-dev libexpat1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libdxflib-dev
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# expat parses untrusted settings files: always take the current security update when one exists.
if dpkg-query -W -f='${Status}' libexpat1-dev 2>/dev/null | grep -q "install ok installed"; then
  if command -v apt-get >/dev/null && [ -n "${EXCHCORE_UPGRADE_EXPAT:-}" ]; then
    missing+=(libexpat1-dev)
  fi
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The suite is rerun under a comma-decimal locale to prove number text never follows LC_NUMERIC.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "setup: generating de_DE.UTF-8"
  if [ -f /etc/locale.gen ]; then
    $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  else
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
fi
