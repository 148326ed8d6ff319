#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when they are all there.
set -euo pipefail

need=(mingw-w64 g++-mingw-w64-i686-posix cmake ninja-build clang llvm lld libclang-rt-14-dev
      wine wine32:i386 xvfb xauth imagemagick fonts-wqy-microhei fonts-wqy-zenhei fonts-wine
      googletest libcapstone-dev python3 x11-utils)

missing=()
for p in "${need[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
