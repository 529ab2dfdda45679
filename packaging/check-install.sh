#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: every
# file in its place, the desktop entry, the AppStream data and the manual page
# valid, and the installed program answering --help.
# Usage: check-install.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1 build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

for f in bin/calendrix \
    share/applications/calendrix.desktop \
    share/metainfo/io.github.calendrix.Calendrix.metainfo.xml \
    share/icons/hicolor/scalable/apps/calendrix.svg \
    share/icons/hicolor/32x32/apps/calendrix.png \
    share/icons/hicolor/64x64/apps/calendrix.png \
    share/icons/hicolor/128x128/apps/calendrix.png \
    share/icons/hicolor/256x256/apps/calendrix.png \
    share/man/man1/calendrix.1.gz \
    share/calendrix/Roster.rpt share/calendrix/Remarks.rpt share/calendrix/Roster.hlp; do
    [ -s "$prefix/$f" ] || fail "not installed: $f"
done

desktop-file-validate "$prefix/share/applications/calendrix.desktop" || fail "desktop entry"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/io.github.calendrix.Calendrix.metainfo.xml" ||
    fail "AppStream metainfo"
warnings=$(zcat "$prefix/share/man/man1/calendrix.1.gz" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"
"$prefix/bin/calendrix" --help | grep -q "^Usage: calendrix" || fail "installed calendrix --help"
exit $status
