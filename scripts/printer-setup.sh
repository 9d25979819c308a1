#!/usr/bin/env bash
# The printer the waybill forms go to. Starts the CUPS scheduler when it is not
# running (these machines have no service manager) and adds the PDF queue
# TARVEL-PDF, which the demo's layout printer file names, when it is missing.
# Safe to run again; changing anything needs root. CUPS-PDF writes each job as
# a PDF into ~/PDF of the user who printed (/root/PDF for root).
set -euo pipefail
queue=TARVEL-PDF
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

# Every call on CUPS is bounded: a scheduler that hangs must not hang the setup.
running() { LC_ALL=C timeout 5 lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }

if ! running; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "The CUPS scheduler is not running; start it as root: /usr/sbin/cupsd" >&2
    exit 1
  fi
  echo "Starting the CUPS scheduler (cupsd) ..."
  # cupsd forks into the background; another start at the same moment fails
  # to bind its port and leaves the first one running, which is fine.
  timeout 10 /usr/sbin/cupsd || true
  for _ in $(seq 1 40); do
    running && break
    sleep 0.25
  done
  running || { echo "cupsd did not start; see /var/log/cups/error_log" >&2; exit 1; }
fi

if ! timeout 5 lpstat -v "$queue" >/dev/null 2>&1; then
  echo "Adding the printer $queue (CUPS-PDF) ..."
  if ! log=$(timeout 20 lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" 2>&1); then
    echo "$log" >&2
    echo "Could not add the printer $queue" >&2
    exit 1
  fi
fi
# A queue stopped or refusing jobs would take no waybill form. Only such a queue
# is changed, so a run without root passes when the queue is fine.
if ! LC_ALL=C timeout 5 lpstat -p "$queue" 2>/dev/null | grep -q " enabled since"; then
  echo "Enabling the printer $queue ..."
  timeout 10 cupsenable "$queue"
fi
if ! LC_ALL=C timeout 5 lpstat -a "$queue" 2>/dev/null | grep -q "^$queue accepting requests"; then
  echo "Letting the printer $queue accept jobs ..."
  timeout 10 cupsaccept "$queue"
fi
