#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Calendrix need,
# only those that are missing. Safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev qt6-qpa-plugins
    sqlite3 libsqlite3-dev libicu-dev
    libkainjow-mustache-dev fonts-dejavu-core fontconfig
    # the second font package the Debian package accepts, so that the reports are checked with it too
    fonts-liberation2
    poppler-utils
    # the Fairness window's charts (Qt Charts needs the OpenGL module's CMake files)
    qt6-charts-dev libqt6opengl6-dev
    # exporting calendars and spreadsheets, and the readers the export tests check them with
    libical-dev libxlsxwriter-dev python3-openpyxl python3-icalendar
    # importing soldiers, absences and schedules from CSV and spreadsheet files, and the
    # fuzzing of those readers (clang's libFuzzer)
    libcsv-dev libminizip-dev clang libclang-rt-14-dev
    # checking the installed files (the "packaging" test) and the format target
    desktop-file-utils appstream groff-base man-db shared-mime-info libxml2-utils dpkg-dev clang-format
    # the translations: lupdate and lrelease, their CMake functions, and Qt's own texts in German and Norwegian
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # the locales the order of names is checked under, besides C
    locales
)
locales=(de_DE.UTF-8 nb_NO.UTF-8)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
missing_locales=()
for l in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || missing_locales+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Installing ${missing[*]} ${missing_locales[*]} needs root or sudo." >&2; exit 1; }
    sudo="sudo"
fi
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ ${#missing_locales[@]} -ne 0 ]; then
    echo "Generating the locales: ${missing_locales[*]}"
    for l in "${missing_locales[@]}"; do
        $sudo sed -i "s/^# *\(${l//./\\.} UTF-8\)\$/\1/" /etc/locale.gen
    done
    $sudo locale-gen
fi
