#!/usr/bin/env bash
# Command 1 of the README: installs what is missing, builds, makes the demo
# company's program folder (once: a later run keeps it and its settings and
# only updates its programs) and starts the program in it. Without a display
# it says so and writes the demo company's reports to files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
bash scripts/printer-setup.sh || echo "Without a printer the waybill forms can neither be previewed nor printed." >&2
build=${TARVEL_BUILD_DIR:-build}
demo=${TARVEL_DEMO_DIR:-$PWD/demo}
if [ -e "$demo/data.dbs" ]; then
  # Made by an earlier run, and maybe changed since in the settings window:
  # tarvel-report demo never replaces a folder's files, so its data and
  # settings stay; only the programs are brought up to the build just made
  # (each renamed into place, so a running copy is not disturbed).
  echo "$demo already holds a program folder: its data and settings stay as they are,"
  echo "its programs are replaced by the ones just built. For a fresh demo company"
  echo "dated today, remove $demo (or set TARVEL_DEMO_DIR to another folder) and run this again."
  for program in tarvel-report tarvel VelmorEtiket; do
    [ -f "$build/bin/$program" ] || continue
    cp "$build/bin/$program" "$demo/.$program.new"
    mv -f "$demo/.$program.new" "$demo/$program"
  done
else
  "$build/bin/tarvel-report" demo "$demo"
fi
cd "$demo"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./tarvel
fi
echo "No display (DISPLAY is not set): the window program cannot open here."
echo "Writing the demo company's reports to files instead, in $demo/reports:"
mkdir -p reports
./tarvel-report firms > reports/firms.txt
echo "  reports/firms.txt (the ERP firms as the settings window lists them):"
sed 's/^/    /' reports/firms.txt
# The invoice profit analysis of the last 30 days' invoices, picked as the
# invoice picker lists them. A failing step leaves the other reports.
refs=$(./tarvel-report invoices --from "$(date -d '30 days ago' +%Y%m%d)" --to "$(date +%Y%m%d)" |
  python3 -c 'import json, sys; print(",".join(r["ref"] for r in json.load(sys.stdin)["lists"]["l1"]["rows"]))') ||
  refs=""
if [ -n "$refs" ]; then
  ./tarvel-report invoice-analysis --refs "$refs" --xls reports/fatura-karlilik.xls \
    --pdf reports/fatura-karlilik.pdf > reports/fatura-karlilik.json
  echo "  reports/fatura-karlilik.xls, .pdf and .json (profit of the last 30 days' invoices)"
else
  echo "  (no invoices of the last 30 days found: no profit analysis written)"
fi
# The demo loading list: the last four waybills of one customer, oldest first,
# as the waybill picker lists them for the customer's name over the whole
# period (enough lines for more than one waybill form of ten rows).
customer="MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ."
loading_refs=$(./tarvel-report waybills --from 19000101 --to 29991231 --customer "$customer" |
  python3 -c '
import json, sys
rows = json.load(sys.stdin)["lists"]["l1"]["rows"]
when = lambda t: t[6:10] + t[3:5] + t[0:2] + t[10:]  # from dd.MM.yyyy[ HH:mm:ss]
rows.sort(key=lambda r: (when(r["tarih"]), int(r["ref"])))
print(",".join(r["ref"] for r in rows[-4:]))') || loading_refs=""
if [ -z "$loading_refs" ]; then
  echo "  (no waybills of $customer found: no loading list written)"
else
  # The loading list on the waybill forms, as "Önizleme" shows it.
  if ./tarvel-report print-loading --refs "$loading_refs" --pdf reports/irsaliye.pdf > /dev/null; then
    echo "  reports/irsaliye.pdf (the loading list of waybills $loading_refs on the waybill forms)"
  fi
  # The same loading list as the screen shows it and as "Liste Exel Kaydet" saves it.
  if ./tarvel-report loading --refs "$loading_refs" --xls reports/arac-yukleme.xls > reports/arac-yukleme.json; then
    echo "  reports/arac-yukleme.json and .xls (that loading list as the screen shows it)"
  fi
fi
# The program reads data.dbs from the folder it starts in.
echo "To see the window, run this command again on a desktop. To run it on a virtual display"
echo "(screenshots, checks): cd $demo && xvfb-run -a -s '-screen 0 1280x1024x24' ./tarvel"
