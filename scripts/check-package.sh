#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it as
# a user would meet it: lintian finds no errors, the software-centre metadata
# and the desktop entry validate, what they name is in the package, both
# programs' help and manual pages read, and the installed game, unpacked into
# a temporary root, starts under Xvfb and paints its window, which must look
# like the metadata's cover screenshot. In CI it is also installed and removed.
# Usage: scripts/check-package.sh [BUILD_FOLDER]
# With UPDATE_SCREENSHOT=1 the cover screenshot is written anew from the game.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=$(realpath "${1:-build}")
id=example.orvane.Kobalind
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for program in cpack lintian appstreamcli desktop-file-validate dpkg-deb Xvfb xdotool xwd python3 man; do
  command -v "$program" >/dev/null || { echo "$program is missing: run scripts/install-deps.sh" >&2; exit 1; }
done

rm -f "$build"/kobalind_*.deb
(cd "$build" && cpack >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/kobalind_*.deb)
echo "Built $deb"

# Lintian's errors fail; its warnings are shown.
lintian --fail-on error "$deb" || fail "lintian reports errors"

work=$(mktemp -d)
server=""
game=""
finish() {
  # The game writes its settings as it ends: wait for it before removing them.
  for process in $game $server; do
    if kill "$process" 2>/dev/null; then wait "$process" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
trap finish EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6multimedia6 libqt6widgets6 fonts-dejavu-core qt6-wayland; do
  [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed ($depends)"
done

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
desktop=$root/usr/share/applications/$id.desktop
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate fails"
echo "$report"
grep -qE '^[EW]: ' <<<"$report" && fail "appstreamcli validate reports errors or warnings"
desktop-file-validate "$desktop" || fail "desktop-file-validate fails"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metadata does not launch $id.desktop"
exec_path=$(sed -n 's/^Exec="\{0,1\}\([^" ]*\).*/\1/p' "$desktop")
[ -x "$root$exec_path" ] || fail "the desktop entry runs $exec_path, which the package does not hold"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon in the package"
[ -L "$root/usr/bin/tessaly" ] || fail "tessaly is not linked from /usr/bin"
# The skin's captions and the sets' advertisements in every language the
# build drew ship beside the skin and the sets.
for overlay in "$build"/kobalind/kobalind_*.dat "$build"/kobalind/cards/*/*.crd; do
  [ -e "$overlay" ] || continue
  file=${overlay#"$build"/kobalind/}
  [ -f "$root/usr/lib/kobalind/$file" ] || fail "the package lacks $file"
done

# Each screenshot the metadata names is kept in packaging/screenshots with the size it states.
while read -r width height name; do
  size=$(python3 -c "import struct,sys; print('%dx%d' % struct.unpack('>II', open(sys.argv[1],'rb').read()[16:24]))" \
    "packaging/screenshots/$name")
  [ "$size" = "${width}x$height" ] || fail "screenshot $name is $size, the metadata says ${width}x$height"
done < <(sed -n 's|.*width="\([0-9]*\)" height="\([0-9]*\)">https://.*/\([^/]*\.png\)</image>|\1 \2 \3|p' "$metainfo")

# The installed tool explains itself and each command; both manual pages read cleanly.
tessaly=$root/usr/bin/tessaly
"$tessaly" --help | grep -q "Makes and inspects the card sets" || fail "tessaly --help does not say what it does"
for command in $("$tessaly" --help | sed -n 's/^  tessaly \([a-z]*\).*/\1/p'); do
  "$tessaly" "$command" --help | grep -q "^usage: tessaly $command" || fail "tessaly $command --help"
done
for page in man1/tessaly.1.gz man6/kobalind.6.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done

# The installed game, started through its launcher link with a fresh home, paints its window.
# Xvfb picks a free display itself and writes its number once it serves.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
mkdir -m 700 "$work/runtime"
display=$(head -n 1 "$work/display")
export DISPLAY=":$display" HOME=$work/home XDG_CONFIG_HOME=$work/config \
  XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
"$root$exec_path" >"$work/game.log" 2>&1 &
game=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane Kobalind' | head -n 1) || true
painted=""
if [ -z "$window" ]; then
  fail "the installed game showed no window within 20 s"
  cat "$work/game.log" >&2
else
  # Painted: the window holds the skin's many colours, not one fill.
  for _ in $(seq 50); do
    xwd -id "$window" -silent >"$work/window.xwd" 2>/dev/null || true
    read -r size colours < <(python3 scripts/xwd-to-png.py "$work/window.xwd" 2>/dev/null || echo "0x0 0")
    if [ "$colours" -gt 100 ]; then painted=$size; break; fi
    sleep 0.2
  done
  [ -n "$painted" ] || fail "the installed game's window did not paint"
fi
if [ -n "$painted" ]; then
  echo "The installed game painted its ${painted} window"
  if [ "${UPDATE_SCREENSHOT:-0}" = 1 ]; then
    python3 scripts/xwd-to-png.py "$work/window.xwd" --png "$source/packaging/screenshots/cover.png" >/dev/null
  fi
  # The cover screenshot shows the game as it is: few pixels differ (fonts may).
  likeness=$(python3 scripts/xwd-to-png.py "$work/window.xwd" --like packaging/screenshots/cover.png | sed -n 2p)
  echo "Cover screenshot: $likeness"
  case "$likeness" in
    differ\ 0.0*) ;;
    *) fail "packaging/screenshots/cover.png no longer shows the game's cover ($likeness); UPDATE_SCREENSHOT=1 renews it" ;;
  esac
fi

# In CI (as root, where the package is not installed already) it is installed
# for real and removed again: the programs are on PATH in between, and the
# removal leaves none of the package's files.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ] && ! dpkg-query -W kobalind >/dev/null 2>&1; then
  dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i fails"; }
  mapfile -t installed < <(dpkg -L kobalind 2>/dev/null)
  PATH=/usr/games:/usr/bin:/bin command -v kobalind tessaly >/dev/null || fail "kobalind or tessaly is not on PATH once installed"
  dpkg -r kobalind >>"$work/dpkg.log" 2>&1 || fail "dpkg -r fails"
  for file in "${installed[@]}"; do
    if [ -e "$file" ] && [ ! -d "$file" ]; then fail "$file is left after removing the package"; fi
  done
  [ ! -d /usr/lib/kobalind ] || fail "/usr/lib/kobalind is left after removing the package"
  echo "Installed and removed again: ${#installed[@]} paths"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures packaging check(s) failed" >&2
  exit 1
fi
echo "The package passes its checks"
