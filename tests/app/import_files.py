#!/usr/bin/python3
"""Writes the files tst_Import imports, as other programs write them:
import_files.py KIND FILE. Workbooks come from openpyxl, calendars from
icalendar, never from our own export."""
import datetime as dt
import sys

kind, out = sys.argv[1], sys.argv[2]

if kind == 'soldiers.xlsx':
    import openpyxl
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = 'Roster'
    ws.append(['Soldier', 'Rank', 'Platoon', 'Driver', 'Q2'])
    ws.append(['Young, Ann', 'SPC', '1st', True, 0])
    ws.append(['Zane, Bo', 'B', '2nd', 'x', None])
    wb.create_sheet('Notes').append(['not read'])
    wb.save(out)
elif kind == 'absences.xlsx':
    import openpyxl
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.append(['Name', 'From', 'To', 'Reason'])
    ws.append([sys.argv[3], dt.date(2031, 6, 2), dt.date(2031, 6, 6), 'course'])
    ws.append([sys.argv[3], dt.date(2031, 7, 9), dt.date(2031, 7, 2), 'backwards'])
    wb.save(out)
elif kind == 'holidays.ics':
    import icalendar
    cal = icalendar.Calendar()
    cal.add('prodid', '-//tst_Import//')
    cal.add('version', '2.0')
    today = dt.date.today()
    for summary, start, days, rule in [('Founders Day', dt.date(today.year + 1, 3, 14), 1, None),
                                       ('Summer Break', dt.date(today.year + 1, 7, 1), 3, None),
                                       ('Unit Day', dt.date(today.year, 1, 1), 1, {'freq': 'yearly'}),
                                       ('Old Day', dt.date(2001, 5, 5), 1, None)]:
        event = icalendar.Event()
        event.add('summary', summary)
        event.add('dtstart', start)
        event.add('dtend', start + dt.timedelta(days=days))
        if rule:
            event.add('rrule', rule)
        cal.add_component(event)
    meeting = icalendar.Event()
    meeting.add('summary', 'Meeting')
    meeting.add('dtstart', dt.datetime(today.year + 1, 2, 2, 9, 0))
    cal.add_component(meeting)
    with open(out, 'wb') as f:
        f.write(cal.to_ical())
else:
    sys.exit('unknown kind ' + kind)
