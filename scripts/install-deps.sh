#!/usr/bin/env bash
# Installs, with apt-get, every Debian package the build, the tests, the
# packaging and its checks, and the benchmarks need; with --fuzz also what the fuzzing scripts in fuzz/ need.
# Only missing packages are installed; running it twice is safe.
# --list prints the packages instead, one a line, for scripts that need them.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev
  # lupdate and lrelease for the catalogues; Qt's own texts (menus, standard buttons) in every language.
  qt6-l10n-tools qt6-translations-l10n
  zlib1g-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libgif-dev libx11-dev
  fonts-noto-color-emoji fonts-dejavu-core
  xvfb xdotool x11-utils x11-apps
  dbus-daemon at-spi2-core python3-pyatspi
  # make package and scripts/check-package.sh; the Wayland end-to-end test.
  dpkg-dev file lintian appstream desktop-file-utils man-db python3
  weston qt6-wayland
)

# fuzz/run.sh builds with clang and links libFuzzer; fuzz/picture_seeds.sh
# draws its seeds with ImageMagick.
FUZZ_PACKAGES=(clang libclang-rt-14-dev imagemagick)

list=false
for arg in "$@"; do
  case "$arg" in
    --list) list=true ;;
    --fuzz) PACKAGES+=("${FUZZ_PACKAGES[@]}") ;;
    *) echo "usage: $0 [--fuzz] [--list]" >&2; exit 2 ;;
  esac
done
if $list; then
  printf '%s\n' "${PACKAGES[@]}"
  exit 0
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
