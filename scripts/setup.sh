#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev python3 qt6-base-dev
          clang libclang-rt-14-dev fonts-dejavu-core)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

# A comma-decimal locale, so the number-text tests can show that no text
# depends on the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    if ! command -v localedef >/dev/null 2>&1 || [ ! -d /usr/share/i18n/locales ] ||
        [ ! -f /usr/share/i18n/locales/de_DE ]; then
        $sudo apt-get update -q
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q locales
    fi
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "No comma-decimal locale; its test will skip."
fi
