#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, unpacks it into a
# temporary folder and runs the program from there: --help, a picture, a
# table, and the window reaching its first picture with its help files found.
# Nothing is installed on this machine.
#   scripts/package-test.sh [BUILD_DIR]   (default build-paket)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-paket}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKIORA_BENCH=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target skiora skiora_dist skiora_help_files
rm -f "$dir"/skiora_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/skiora_*.deb)
echo "package-test: $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

# Errors fail the run; the warnings left are listed.
lintian --fail-on error --tag-display-limit 0 --info "$deb"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/wurzel"
skiora=$tmp/wurzel/usr/bin/skiora
# A home of its own: no start configuration or settings of this machine's user.
export HOME=$tmp/heim XDG_CONFIG_HOME=$tmp/heim/.config
mkdir -p "$HOME"
cd "$tmp"

"$skiora" --help >hilfe.txt
grep -q -- '--table NAME FILE' hilfe.txt

"$skiora" --lang en --png dial.png --table hours hours.csv
file dial.png | grep -q 'PNG image data'
grep -q 'Hour' hours.csv

for f in skiora_d.html skiora_e.html; do
    test -s "wurzel/usr/share/skiora/$f"
done
# A missing help file would stop the start with a box nobody clicks away:
# the window reaching its first picture shows that it found them.
SKIORA_STARTZEIT=1 QT_QPA_PLATFORM=offscreen timeout 120 "$skiora" >start.txt 2>&1 ||
    { cat start.txt; echo "package-test: the installed window did not start"; exit 1; }
grep -q 'first picture after' start.txt
echo "package-test: the unpacked program runs and finds its help"
