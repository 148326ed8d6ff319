#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when they are all there.
set -euo pipefail

need=(mingw-w64 g++-mingw-w64-i686-posix cmake ninja-build clang llvm lld libclang-rt-14-dev
      wine wine32:i386 xvfb xauth imagemagick fonts-wqy-microhei fonts-wqy-zenhei fonts-wine
      googletest libcapstone-dev python3 x11-utils locales nlohmann-json3-dev libcli11-dev)

missing=()
for p in "${need[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The Chinese locale gives Wine the users' code page 936.
need_locale=0
locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' || need_locale=1

[ ${#missing[@]} -eq 0 ] && [ $need_locale -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
