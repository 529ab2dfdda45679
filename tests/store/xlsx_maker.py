#!/usr/bin/python3
"""Writes the workbooks tst_XlsxReader reads: xlsx_maker.py KIND FILE.
Sound ones come from openpyxl, so that our reader is held to another
program's files; damaged and hostile ones are that, edited with zipfile."""
import datetime as dt
import os
import struct
import sys
import zipfile

import openpyxl
from openpyxl.utils.datetime import CALENDAR_MAC_1904

kind, out = sys.argv[1], sys.argv[2]
NS = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'


def book(path, epoch1904=False):
    wb = openpyxl.Workbook()
    if epoch1904:
        wb.epoch = CALENDAR_MAC_1904
    ws = wb.active
    ws.title = 'Soldiers'
    ws.append(['Name', 'Born', 'Count', 'Active'])
    ws.append(['Adams', dt.date(1990, 5, 17), 3, True])
    ws.append(['Baker', None, 2.5, False, dt.date(1900, 2, 28)])
    for col, (value, fmt) in enumerate([(dt.date(1900, 1, 1), 'mm-dd-yy'), (45000, 'dd.mm.yyyy'),
                                        (7, '0.0" days"'), (8, '[Red]0.0'), (9, '#,##0_d')], 1):
        ws.cell(row=4, column=col, value=value).number_format = fmt
    ws.cell(row=9, column=12).number_format = 'dd.mm.yyyy'  # styled, empty: trails
    ws.cell(row=2, column=20).value = '  '
    wb.create_sheet('Leave').append(['Baker', 'sick'])
    wb.move_sheet('Leave', -1)  # first in the workbook's order, though made second
    wb.active = 1
    wb.save(path)


def replace(path, part, data):
    """A copy of the zip with one part replaced (or added)."""
    with zipfile.ZipFile(path) as src:
        items = [(i, src.read(i.filename)) for i in src.infolist() if i.filename != part]
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as dst:
        for info, content in items:
            dst.writestr(info, content)
        if callable(data):
            with dst.open(part, 'w', force_zip64=True) as f:
                data(f)
        else:
            dst.writestr(part, data)


def sheet(rows):
    return f'<worksheet {NS}><sheetData>{rows}</sheetData></worksheet>'


SHEET = 'xl/worksheets/sheet1.xml'
if kind in ('values', '1904'):
    book(out, kind == '1904')
elif kind == 'shared':  # openpyxl writes strings inline: shared ones are put in by hand
    book(out)
    rels = zipfile.ZipFile(out).read('xl/_rels/workbook.xml.rels').decode()
    replace(out, 'xl/_rels/workbook.xml.rels', rels.replace('</Relationships>', (
        '<Relationship Id="rIdS" Target="strings/shared.xml" Type="http://schemas.openxmlformats.org/'
        'officeDocument/2006/relationships/sharedStrings"/></Relationships>')))
    replace(out, 'xl/strings/shared.xml', f'<sst {NS}><si><t>Name</t></si><si><r><t>Ad</t></r>'
            '<r><t xml:space="preserve">ams </t></r><rPh><t>x</t></rPh></si></sst>')
    replace(out, SHEET, sheet(
        '<row r="2"><c r="B2" t="s"><v>1</v></c><c t="str"><f>A1</f><v>=A1</v></c><c t="e"><v>#N/A</v></c>'
        '<c r="F2" t="inlineStr"><is><r><t>in</t></r><r><t>line</t></r></is></c><c r="A2" t="s"><v>0</v></c>'
        '</row><row><c r="A3"><v>1e3</v></c></row><row r="7"><c r="C7" t="b"><v>1</v></c></row><row r="8"/>'))
elif kind == 'column1e6':
    book(out)
    col, n = '', 10**6
    while n:
        n, r = divmod(n - 1, 26)
        col = chr(65 + r) + col
    replace(out, SHEET, sheet(f'<row r="1"><c r="{col}1"><v>1</v></c></row>'))
elif kind == 'widerows':  # each row's one cell in the last column: the gaps before it are held
    book(out)
    replace(out, SHEET, sheet(''.join(f'<row r="{r}"><c r="XFD{r}"><v>1</v></c></row>' for r in range(1, 400))))
elif kind == 'dtd':
    book(out)
    replace(out, 'xl/workbook.xml', '<?xml version="1.0"?><!DOCTYPE w [<!ENTITY e SYSTEM "file:///etc/passwd">]>'
            f'<workbook {NS}><sheets><sheet name="&e;" sheetId="1" r:id="rId1"/></sheets></workbook>')
elif kind == 'malformed':
    book(out)
    replace(out, SHEET, sheet('<row r="1"><c r="A1"><v>1</v></row>'))
elif kind == 'badnumber':
    book(out)
    replace(out, SHEET, sheet('<row r="1"><c r="A1"><v>one</v></c></row>'))
elif kind in ('bomb', 'dense'):  # a sheet that unpacks to a flood, written as a stream
    def flood(f):
        f.write(b'<worksheet><sheetData>')
        for _ in range(257 if kind == 'bomb' else 100):
            f.write(b' ' * (1 << 20))
    book(out)
    replace(out, SHEET, flood)
elif kind == 'declared1g':  # a small sheet whose headers claim 1 GB
    book(out)
    data = bytearray(open(out, 'rb').read())
    for sig, name_at, size_at in ((b'PK\x03\x04', 30, 22), (b'PK\x01\x02', 46, 24)):
        i = data.find(sig)
        while i >= 0:
            if data[i + name_at:].startswith(SHEET.encode()):
                struct.pack_into('<I', data, i + size_at, 1 << 30)
            i = data.find(sig, i + 4)
    open(out, 'wb').write(data)
elif kind == 'stored':  # parts left unpacked, so that a fuzzer's changes reach the XML
    book(out)
    with zipfile.ZipFile(out) as z:
        items = [(i.filename, z.read(i)) for i in z.infolist() if not i.filename.startswith(('docProps', 'xl/theme'))]
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_STORED) as z:
        for name, content in items:
            z.writestr(name, content)
elif kind == 'fifo':
    os.mkfifo(out)
elif kind == 'junk':
    open(out, 'wb').write(bytes(range(256)) * 16)
elif kind == 'noworkbook':
    with zipfile.ZipFile(out, 'w') as z:
        z.writestr('readme.txt', 'no workbook here')
