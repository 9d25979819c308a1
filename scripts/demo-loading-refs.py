#!/usr/bin/env python3
"""Prints the waybills of the demo company's loading list, the LOGICALREFs
comma-separated for `tarvel-report print-loading --refs`: the last four sales
waybills of MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ. (customer 120.01.M001) in the
chosen period, oldest first. Enough lines for more than one waybill form at
ten rows per form.

usage: demo-loading-refs.py DEMO_FOLDER
"""
import sqlite3
import sys

CUSTOMER = "120.01.M001"
WAYBILLS = 4


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    folder = sys.argv[1]
    store = sqlite3.connect(f"file:{folder}/data.dbs?mode=ro", uri=True)
    server = store.execute("select server from server").fetchone()[0]
    fir, don = store.execute("select fir, don from veritabani").fetchone()
    if not server.startswith("sqlite:"):
        sys.exit("data.dbs does not name the demo ERP (sqlite:PATH)")
    firm = int(fir.split("-")[0])
    period = int(don.split("-")[0])
    fiche = f"LG_{firm:03d}_{period:02d}_STFICHE"
    clcard = f"LG_{firm:03d}_CLCARD"
    erp = sqlite3.connect(f"file:{server[len('sqlite:'):]}?mode=ro", uri=True)
    rows = erp.execute(
        f"select f.LOGICALREF from {fiche} f join {clcard} c on c.LOGICALREF = f.CLIENTREF "
        "where c.CODE = ? and f.TRCODE in (7, 8) and f.CANCELLED = 0 "
        "order by f.DATE_ desc, f.LOGICALREF desc limit ?",
        (CUSTOMER, WAYBILLS)).fetchall()
    if not rows:
        sys.exit(f"no sales waybills of {CUSTOMER} in {fiche}")
    print(",".join(str(r[0]) for r in reversed(rows)))


if __name__ == "__main__":
    main()
