#!/usr/bin/python3
"""Reads an exported file with an independent reader and prints what it
holds as JSON, for tst_Export: export_reader.py ics|xlsx|csv FILE."""

import csv
import datetime
import json
import sys


def value(v):
    if isinstance(v, (datetime.datetime, datetime.date)):
        return v.strftime("%Y-%m-%d")
    if isinstance(v, float) and v.is_integer():
        return int(v)
    return v


def read_ics(path):
    import icalendar
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    events = []
    for e in calendar.walk("VEVENT"):
        start, end = e.decoded("DTSTART"), e.decoded("DTEND")
        events.append({
            "uid": str(e["UID"]),
            "summary": str(e["SUMMARY"]),
            "description": str(e["DESCRIPTION"]),
            "allDay": not isinstance(start, datetime.datetime) and not isinstance(end, datetime.datetime),
            "start": value(start),
            "end": value(end),
            "stamp": "DTSTAMP" in e,
            "status": str(e.get("STATUS", "")),
            "sequence": int(e.get("SEQUENCE", -1)),
            "modified": str(e["LAST-MODIFIED"].to_ical(), "ascii") if "LAST-MODIFIED" in e else "",
            "transp": str(e.get("TRANSP", "")),
        })
    return {"events": events, "name": str(calendar.get("NAME", "")),
            "calname": str(calendar.get("X-WR-CALNAME", ""))}


def read_xlsx(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    sheets = []
    for ws in book.worksheets:
        cells = [[value(c) for c in row] for row in ws.iter_rows(values_only=True)]
        shaded = []
        if ws.max_row >= 2:
            for c in range(1, ws.max_column + 1):
                fill = ws.cell(row=2, column=c).fill
                if fill is not None and fill.fill_type == "solid":
                    shaded.append(c - 1)
        widths = {k: v.width for k, v in ws.column_dimensions.items()}
        setup = ws.page_setup
        sheets.append({"name": ws.title, "freeze": ws.freeze_panes, "cells": cells, "shaded": shaded,
                       "widths": widths, "header": ws.oddHeader.left.text or "",
                       "footer": ws.oddFooter.center.text or "",
                       "fitToPage": bool(ws.sheet_properties.pageSetUpPr and
                                         ws.sheet_properties.pageSetUpPr.fitToPage),
                       "fit": [int(setup.fitToWidth if setup.fitToWidth is not None else 1),
                               int(setup.fitToHeight if setup.fitToHeight is not None else 1)],
                       "landscape": setup.orientation == "landscape"})
    return {"sheets": sheets, "title": book.properties.title or ""}


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as f:
        return {"rows": list(csv.reader(f, strict=True))}


if __name__ == "__main__":
    kind, path = sys.argv[1], sys.argv[2]
    json.dump({"ics": read_ics, "xlsx": read_xlsx, "csv": read_csv}[kind](path), sys.stdout)
