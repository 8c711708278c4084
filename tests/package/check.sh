#!/bin/sh
# Makes the Debian package from the build folder (default: build), validates its desktop entry
# and AppStream metadata, runs lintian, installs it with dpkg, checks what the desktop sees
# (program on PATH, document type by name and by content, the menu entry's Exec line opening a
# file), and removes it again. Needs root and the tools of scripts/setup. The package is removed
# and the temporary folder deleted however the check ends; exit code 0 when every check passed.
set -eu
build=$(cd "${1:-build}" && pwd)
package=gitterstern
tmp=$(mktemp -d)
installed=no

cleanup() {
    if [ "$installed" = yes ]; then
        dpkg -r "$package" >/dev/null 2>&1 || echo "Paketprüfung: dpkg -r $package schlug fehl" >&2
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

# Whether dpkg holds the package in any state but not installed (unpacked, config files, ...).
known() {
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) || return 1
    [ "$status" != not-installed ]
}

fail() {
    echo "Paketprüfung: $*" >&2
    exit 1
}

# The content type the shared MIME database gives a file.
contentType() {
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}

if known; then
    fail "$package ist schon installiert; die Prüfung installiert und entfernt es selbst"
fi

(cd "$build" && cpack -G DEB -B "$tmp/cpack") >"$tmp/cpack.log" 2>&1 ||
    fail "cpack schlug fehl: $(cat "$tmp/cpack.log")"
set -- "$tmp"/cpack/"$package"_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "cpack hat kein Paket ${package}_*.deb erzeugt"
deb=$1
echo "Paket: $(basename "$deb")"

# The package's files, read from the package itself: the application id is the desktop entry's
# name, the document type the one the MIME entry declares.
dpkg-deb -x "$deb" "$tmp/root"
set -- "$tmp"/root/usr/share/applications/*.desktop
[ $# -eq 1 ] && [ -f "$1" ] || fail "das Paket enthält nicht genau einen Menüeintrag"
id=$(basename "$1" .desktop)
share=$tmp/root/usr/share
mimetype=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/$id.xml")
[ -n "$mimetype" ] || fail "mime/packages/$id.xml nennt keinen Dateityp"
for file in bin/gitterstern share/metainfo/$id.metainfo.xml share/man/man1/gitterstern.1.gz \
    share/gitterstern/beispiel.gsd share/doc/$package/copyright \
    share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$tmp/root/usr/$file" ] || fail "im Paket fehlt /usr/$file"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${size}x$size/apps/$id.png" ] ||
        fail "im Paket fehlt das Symbol ${size}x$size"
done
zcat "$share/man/man1/gitterstern.1.gz" | grep -q -e '-\\-convert' ||
    fail "die Handbuchseite beschreibt --convert nicht"

report=$(desktop-file-validate --no-hints "$share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $report"
echo "$report" | grep -q 'Validation was successful\.$' || fail "appstreamcli validate: $report"
report=$(lintian --fail-on error "$deb" 2>&1) && status=0 || status=$?
echo "$report" | grep -v '^running with root privileges' || true
[ "$status" -eq 0 ] || fail "lintian meldet Fehler"

# What the desktop knows before: the example by name and by content alone.
cp "$share/gitterstern/beispiel.gsd" "$tmp/beispiel.gsd"
cp "$share/gitterstern/beispiel.gsd" "$tmp/ohne-endung"
printf 'Sternfeld ohne Längenbyte\n' >"$tmp/fremd"
before="$(contentType "$tmp/beispiel.gsd") $(contentType "$tmp/ohne-endung")"

installed=yes
dpkg -i "$deb" >/dev/null || fail "dpkg -i $(basename "$deb") schlug fehl"
[ "$(command -v gitterstern)" = /usr/bin/gitterstern ] || fail "gitterstern ist nicht auf PATH"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM gitterstern --help | grep -q -e --convert ||
    fail "gitterstern --help läuft nicht ohne Bildschirm"
example=/usr/share/gitterstern/beispiel.gsd
[ "$(contentType "$example")" = "$mimetype" ] || fail "gio kennt $example nicht als $mimetype"
[ "$(contentType "$tmp/ohne-endung")" = "$mimetype" ] ||
    fail "gio erkennt das Beispiel ohne Endung nicht an seiner Signatur"
[ "$(contentType "$tmp/fremd")" != "$mimetype" ] ||
    fail "gio hält eine fremde Datei für $mimetype"
grep -q "^MimeType=$mimetype;" "/usr/share/applications/$id.desktop" ||
    fail "der Menüeintrag öffnet $mimetype nicht"

# The menu entry's Exec line as the desktop runs it for one file, headless: the field code
# becomes the example, and --convert saves it instead of opening a window.
command=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "/usr/share/applications/$id.desktop")
case $command in
*[\"\'\\\`\$]*) fail "Exec=$command: Anführungszeichen und Escapes prüft dieser Test nicht" ;;
esac
set -f
set -- $command
set +f
[ $# -ge 1 ] || fail "der Menüeintrag hat keine Exec-Zeile"
program=$(command -v "$1") || fail "Exec=$command: $1 ist nicht auf PATH"
shift
files=0
for argument; do
    shift
    case $argument in
    %f | %F | %u | %U) set -- "$@" "$example"; files=$((files + 1)) ;;
    %*) fail "Exec=$command: unerwarteter Platzhalter $argument" ;;
    *) set -- "$@" "$argument" ;;
    esac
done
[ "$files" -eq 1 ] || fail "Exec=$command übergibt nicht genau eine Datei"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    "$program" --convert "$tmp/konvertiert" "$@" || fail "Exec=$command öffnet $example nicht"
[ "$(contentType "$tmp/konvertiert")" = "$mimetype" ] ||
    fail "Exec=$command: die gespeicherte Datei ist kein $mimetype"

dpkg -r "$package" >/dev/null || fail "dpkg -r $package schlug fehl"
installed=no
! known || fail "$package ist nach dpkg -r noch eingetragen ($status)"
dpkg-deb -c "$deb" | sed -n 's/^-.* \.\(\/.*\)$/\1/p' | while read -r file; do
    [ ! -e "$file" ] || fail "$file ist nach dpkg -r noch da"
done
[ "$(contentType "$tmp/beispiel.gsd") $(contentType "$tmp/ohne-endung")" = "$before" ] ||
    fail "nach dpkg -r kennt gio den Dateityp noch"
grep -qs "$id\|$mimetype" /usr/share/applications/mimeinfo.cache /usr/share/mime/globs2 &&
    fail "nach dpkg -r nennen die Desktop-Datenbanken $id noch"
echo "Paketprüfung bestanden"
