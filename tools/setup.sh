#!/usr/bin/env bash
# Installs what building and testing the suite needs, and is quick when it is
# all there already: the MinGW-w64 cross compiler, Wine (32-bit), Xvfb,
# GoogleTest sources, the i386 GStreamer plugins that Wine's DirectShow decodes
# through, Debian's ffmpeg (test media), chmcmd (help files) and the Windows
# ffmpeg.exe that the encoder stand-in drives; python3, librsvg's rsvg-convert,
# ImageMagick and the DejaVu fonts render the skins from their SVG sources;
# xdotool, x11-utils (xdpyinfo) and ImageMagick's import let the start
# command find and photograph the main window on a virtual display.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

sudo_() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  cmake make g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32 xvfb xauth googletest ffmpeg fp-utils
  python3 librsvg2-bin imagemagick fonts-dejavu-core xdotool x11-utils
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  gstreamer1.0-plugins-bad:i386 gstreamer1.0-plugins-ugly:i386
  gstreamer1.0-libav:i386
  # Where the kernel runs no 32-bit code, the tests run on a 64-bit build
  # under a 64-bit Wine, which decodes through the amd64 plugins.
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_ dpkg --add-architecture i386
  fi
  sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_ apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# npm may come with the machine's own Node.js; Debian's npm only where none is.
if ! command -v npm >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive sudo_ apt-get install -y -qq --no-install-recommends npm >/dev/null
fi

# The Windows ffmpeg.exe that the encoder stand-in runs (never committed):
# the 32-bit one, and the 64-bit one for the 64-bit test build.
for kind in win32-ia32:i686 win32-x64:x86_64; do
  ffdir="$here/.deps/ffmpeg/${kind#*:}"
  [ -f "$ffdir/ffmpeg.exe" ] && continue
  # npm refuses to install a Windows-only package on Linux; the packed
  # tarball is all that is needed.
  rm -rf "$ffdir/pack" && mkdir -p "$ffdir/pack"
  (cd "$ffdir/pack" && npm pack --silent "@ffmpeg-installer/${kind%%:*}" >/dev/null && tar xzf ./*.tgz)
  cp "$ffdir/pack/package/ffmpeg.exe" "$ffdir/ffmpeg.exe"
  rm -rf "$ffdir/pack"
done
echo "setup: ready"
