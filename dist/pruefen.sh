#!/usr/bin/env bash
# The installed desktop files as the desktop's validators see them, and the
# manual page against the help it was made from.
#   pruefen.sh SKIORA MANPAGE DESKTOP METAINFO MIME
set -uo pipefail
programm=$1 handbuch=$2 desktop=$3 metainfo=$4 mime=$5
fehler=0
falsch() { echo "FAIL: $*"; fehler=1; }

desktop-file-validate "$desktop" || falsch "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" || falsch "appstreamcli validate $metainfo"
xmllint --noout "$mime" || falsch "xmllint $mime"
# The entry opens files, and names the type the package defines.
grep -q '^Exec=skiora %f$' "$desktop" || falsch "Exec does not pass the file (%f)"
typ=$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$mime")
grep -q "^MimeType=.*$typ;" "$desktop" || falsch "MimeType does not name $typ"

# Every option of --help is in the manual page, and the page has no roff faults.
hilfe=$("$programm" --help) || falsch "$programm --help failed"
seite=$(sed 's/\\-/-/g' "$handbuch")
for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$hilfe" | sort -u); do
    grep -q -- "$option" <<<"$seite" || falsch "$option is in --help but not in the manual page"
done
for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$seite" | sort -u); do
    grep -q -- "$option" <<<"$hilfe" || falsch "$option is in the manual page but not in --help"
done
warnungen=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$handbuch" 2>&1 >/dev/null)
[ -z "$warnungen" ] || falsch "man reports: $warnungen"
exit $fehler
