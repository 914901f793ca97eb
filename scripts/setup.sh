#!/usr/bin/env bash
# Installs the Debian packages and the locale that building and testing need.
# Does nothing when everything is already present, so it is safe to run before every build.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libshp-dev libexpat1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libdxflib-dev
  clang libclang-rt-dev
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

# expat parses untrusted settings files: CI takes the current security update of it, once per
# machine start (the mark lives in /tmp).
expat_mark=/tmp/exchcore-expat-upgraded
if [ -n "${CI:-}" ] && [ ! -e "$expat_mark" ]; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --only-upgrade libexpat1 libexpat1-dev >/dev/null || true
  touch "$expat_mark"
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
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
