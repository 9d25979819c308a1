#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when
# they are missing. Safe to run again; needs root (or sudo) only to install.
set -euo pipefail

packages=(
  build-essential cmake pkg-config          # compiler and build
  clang-format                              # the format CI checks (.ci/run)
  qt6-base-dev qt6-base-dev-tools           # Qt 6 Core, Gui, Widgets, Sql, PrintSupport, Test
  libqt6sql6-sqlite                         # the local store data.dbs through Qt SQL
  qt6-qpa-plugins                           # the window program on X11 (xcb)
  unixodbc-dev tdsodbc                      # SQL Server through ODBC and the FreeTDS driver
  libsqlite3-dev                            # the embedded demo ERP, read with SQLite's own API
  libgsf-1-dev                              # the compound-file container of .xls files
  libxlsxwriter-dev                         # the lists' .xlsx workbooks
  qt6-charts-dev libqt6opengl6-dev          # the profit charts (Qt Charts' CMake files ask for Qt OpenGL's)
  fonts-dejavu-core                         # a font with every Turkish letter, also offscreen
  python3 python3-xlrd                      # the SQL Server stand-in and the .xls reader of the tests
  python3-openpyxl                          # the .xlsx reader of the tests
  cups cups-client printer-driver-cups-pdf  # printers and the PDF printer TARVEL-PDF for the waybill forms
  poppler-utils                             # pdftotext: the tests read the printed forms back
  qt6-translations-l10n                     # Qt's own dialogs (save dialog, print preview) in Turkish
  xvfb xauth                                # xvfb-run: the window program on a virtual display
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo: missing ${missing[*]}" >&2; exit 1; }
  sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
