#!/usr/bin/env bash
# Runs the built test suite again with PATH holding only the programs a fresh
# Debian machine has (its essential and required packages) and those of the
# packages scripts/install-deps.sh installs, with their dependencies. A test
# that calls a program nothing installs fails here, even on a machine where
# someone installed that program by hand.
# Usage: scripts/test-fresh-path.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
ctest=$(command -v ctest)
bin=$build/fresh-path
rm -rf "$bin"
mkdir -p "$bin"

mapfile -t wanted < <(scripts/install-deps.sh --list)
mapfile -t base < <(dpkg-query -W -f='${Package} ${Essential} ${Priority}\n' | awk '$2 == "yes" || $3 == "required" { print $1 }')
# Every installed package those depend on, directly or not (virtual names come in <>).
mapfile -t packages < <(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
  --no-breaks --no-replaces --no-enhances "${wanted[@]}" "${base[@]}" | grep -v '^ ' | grep -v '^<' | sort -u)

count=0
while IFS= read -r path; do
  case "$path" in
    /bin/* | /usr/bin/* | /sbin/* | /usr/sbin/*) ;;
    *) continue ;;
  esac
  name=$(basename "$path")
  if [ -x "$path" ] && [ ! -d "$path" ] && [ ! -e "$bin/$name" ]; then
    ln -s "$path" "$bin/$name"
    count=$((count + 1))
  fi
done < <(dpkg -L "${packages[@]}" 2>/dev/null)

echo "Running the tests with PATH reduced to $count programs of ${#packages[@]} packages ($bin)"
cd "$build"
PATH="$bin" "$ctest" --output-on-failure -j "$(nproc)"
