#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: every
# file in its place, the desktop entry, the AppStream data, the MIME type and
# the manual page valid and consistent, and the installed program answering
# --help.
# Usage: check-install.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1 build=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

for f in bin/calendrix libexec/calendrix/calendrix-gui \
    share/applications/io.github.calendrix.Calendrix.desktop \
    share/metainfo/io.github.calendrix.Calendrix.metainfo.xml \
    share/icons/hicolor/scalable/apps/calendrix.svg \
    share/icons/hicolor/32x32/apps/calendrix.png \
    share/icons/hicolor/64x64/apps/calendrix.png \
    share/icons/hicolor/128x128/apps/calendrix.png \
    share/icons/hicolor/256x256/apps/calendrix.png \
    share/man/man1/calendrix.1.gz \
    share/mime/packages/calendrix.xml \
    share/doc/calendrix/copyright share/doc/calendrix/changelog.gz \
    share/calendrix/Roster.rpt share/calendrix/Remarks.rpt share/calendrix/Roster.hlp \
    share/calendrix/Roster.de.hlp share/calendrix/Roster.nb.hlp; do
    [ -s "$prefix/$f" ] || fail "not installed: $f"
done

metainfo=$prefix/share/metainfo/io.github.calendrix.Calendrix.metainfo.xml
desktop=$prefix/share/applications/io.github.calendrix.Calendrix.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --no-net --explain "$metainfo" || fail "AppStream metainfo"
# Software centres find the desktop entry by the component id.
id=$(xmllint --xpath 'string(/component/id)' "$metainfo")
[ "$(basename "$desktop" .desktop)" = "$id" ] || fail "desktop file id is not the component id $id"
[ "$(xmllint --xpath 'string(/component/launchable)' "$metainfo")" = "$id.desktop" ] || fail "launchable"
for tag in project_license 'url[@type="homepage"]' developer/name screenshots/screenshot/image; do
    [ -n "$(xmllint --xpath "string(/component/$tag)" "$metainfo")" ] || fail "metainfo has no $tag"
done
grep -qx 'Exec=calendrix %f' "$desktop" || fail "desktop entry does not pass the file"
grep -qx 'MimeType=application/x-calendrix-roster;' "$desktop" || fail "desktop entry has no MIME type"

[ "$(zcat "$prefix/share/doc/calendrix/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$version" ] ||
    fail "changelog is not at version $version"
grep -q '^License: GPL-3+' "$prefix/share/doc/calendrix/copyright" || fail "copyright names no licence"

# The MIME type as a file manager sees it: the database made from it must
# know datafiles by name and by the application id the program writes.
mime=$prefix/share/mime
if XDG_DATA_DIRS=$prefix/share update-mime-database "$mime"; then
    grep -qx '50:application/x-calendrix-roster:\*\.cxr' "$mime/globs2" || fail "MIME glob *.cxr"
    grep -qx 'application/x-calendrix-roster application/vnd.sqlite3' "$mime/subclasses" || fail "MIME subclass"
    "$prefix/bin/calendrix" init "$prefix/unit" >/dev/null
    # The roster's application id, big-endian at offset 68 of the header, as
    # the program writes it; in the generated magic each value follows its
    # two-byte length.
    id_bytes=$(dd if="$prefix/unit/template.tem" bs=1 skip=68 count=4 status=none)
    magic=$(tr '\000\004\020' '@@@' <"$mime/magic")
    grep -qx '\[60:application/x-calendrix-roster\]' <<<"$magic" &&
        grep -qx '>0=@@SQLite format 3@' <<<"$magic" && grep -qx "1>68=@@$id_bytes" <<<"$magic" ||
        fail "MIME magic does not match the application id '$id_bytes' of a roster datafile"
else
    fail "MIME type"
fi

# Every command has an entry of its own in the rendered page, and the
# options that several commands share name each of them.
page=$(zcat "$prefix/share/man/man1/calendrix.1.gz" | LC_ALL=C.UTF-8 MANWIDTH=80 man -l - 2>&1)
warnings=$(zcat "$prefix/share/man/man1/calendrix.1.gz" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"
# The text of the tagged paragraph whose tag starts with $2 in section $1,
# hyphenated words joined again.
entry() {
    awk -v section="$1" -v tag="$2" -v hyphen=$'\u2010' '
        /^[A-Z]/ { in_section = ($0 == section); in_entry = 0; next }
        in_section && /^       [^ ]/ { in_entry = (index($0, "       " tag) == 1) }
        in_entry {
            line = $0
            sub(/^ +/, "", line)
            n = length(text) - length(hyphen)
            if (n >= 0 && substr(text, n + 1) == hyphen)
                text = substr(text, 1, n) line
            else
                text = text " " line
        }
        END { print text }' <<<"$page"
}
for command in init demo make undo history print export fairness; do
    [ -n "$(entry COMMANDS "$command")" ] || fail "manual page: no entry for $command"
done
for option in --pdf --csv; do
    entry OPTIONS "$option " | grep -w fairness >/dev/null || fail "manual page: $option does not name fairness"
done
# Each font package the package accepts brings a family the reports ask for,
# so that no alternative leaves them to whatever face the font database finds.
source_dir=$(cd "$(dirname "$0")/.." && pwd)
asked=$(grep -o 'u"[^"]*"_s' "$source_dir/src/report/ReportFont.cpp" | sed 's/^u"//; s/"_s$//')
depends=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_DEPENDS "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
fonts=$(tr ',|' '\n\n' <<<"$depends" | sed 's/[[:space:]]//g; s/(.*//' | grep '^fonts-' || true)
[ -n "$fonts" ] || fail "the package depends on no font package"
for package in $fonts; do
    files=$(dpkg -L "$package" 2>/dev/null | grep -E '\.(ttf|otf)$' || true)
    if [ -z "$files" ]; then
        fail "font package $package is not installed here, so it cannot be checked"
        continue
    fi
    # shellcheck disable=SC2086
    shipped=$(fc-scan --format '%{family[0]}\n' $files | sort -u)
    grep -qxF -f <(echo "$asked") <<<"$shipped" || fail "$package brings none of the reports' families"
done
# grep reads to the end: with pipefail, one that stops early would fail the program.
"$prefix/bin/calendrix" --help | grep "^Usage: calendrix" >/dev/null || fail "installed calendrix --help"
# The commands calendrix runs itself load none of the window's libraries nor
# the file readers of import; the others find calendrix-gui where the package
# puts it (init ran above).
ldd "$prefix/bin/calendrix" | grep -q 'libQt6\(Gui\|Widgets\)' && fail "calendrix loads Qt's window libraries"
ldd "$prefix/bin/calendrix" | grep -q 'lib\(ical\|csv\|minizip\|xlsxwriter\)\.' && fail "calendrix loads the import's or the export's libraries"
"$prefix/bin/calendrix" import --help | grep -q -- "--dry-run" || fail "installed calendrix import --help"
"$prefix/bin/calendrix" fairness --help | grep -q -- "--pdf" || fail "installed calendrix fairness --help"
exit $status
