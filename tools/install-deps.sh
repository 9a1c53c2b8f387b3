#!/usr/bin/env bash
# Installs what building and testing needs on a Debian machine (run as root), once.
set -euo pipefail

packages=(
  cmake g++ make googletest libgtest-dev clang-format
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb xauth x11-apps imagemagick locales fonts-wqy-microhei
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  # wine32 would take over /usr/bin/wine and this kernel cannot run it: never add i386.
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

# Wine takes code page 936 from this locale; without it, it falls back to 1252.
if ! locale -a | grep -qix 'zh_CN.utf8'; then
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi
