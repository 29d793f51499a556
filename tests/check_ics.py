#!/usr/bin/env python3
"""Reads a kin-returns calendar file with a real iCalendar parser and checks it.

check_ics.py FILE EXPECTED.json

EXPECTED holds "kin", "count" ("584283", "584285" or "dreamspell"), "from"
(ISO date), "n", "summary" and "description". The dates are worked out here,
independently of the program: the traditional counts from the Julian day
(21 December 2012 is 4 Ajaw, kin 160, under 584283; 584285 two days later),
Dreamspell from 26 July 1987 = kin 34, counting every day but 29 February.
Exit status 0 when every check passes; the failures are printed.
"""

import datetime
import json
import sys

try:
    import icalendar
except ImportError:
    print("python3-icalendar is not installed (scripts/setup.sh installs it)")
    sys.exit(3)


def kin_of(day, count):
    if count == "dreamspell":
        if day.month == 2 and day.day == 29:
            return None  # no kin of its own

        def counted(d):  # days, every 29 February left out
            y = d.year - 1
            leap = d.year % 4 == 0 and (d.year % 100 != 0 or d.year % 400 == 0)
            return d.toordinal() - (y // 4 - y // 100 + y // 400) - (1 if leap and d.month > 2 else 0)

        return (34 - 1 + counted(day) - counted(datetime.date(1987, 7, 26))) % 260 + 1
    n = (day - datetime.date(2012, 12, 21)).days - (2 if count == "584285" else 0)
    return (160 - 1 + n) % 260 + 1


def main():
    raw = open(sys.argv[1], "rb").read()
    expected = json.load(open(sys.argv[2], encoding="utf-8"))
    failures = []

    # The file as bytes: CR LF line ends, no line over 75 octets, none cut inside a character.
    lines = raw.split(b"\r\n")
    if lines[-1] != b"" or b"\n" in raw.replace(b"\r\n", b""):
        failures.append("lines do not all end in CR LF")
    for line in lines:
        if len(line) > 75:
            failures.append("a line of %d octets" % len(line))
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            failures.append("a line cut inside a character: %r" % line)
    if b"RRULE" in raw:
        failures.append("a recurrence rule")

    calendar = icalendar.Calendar.from_ical(raw)
    events = [c for c in calendar.walk() if c.name == "VEVENT"]
    first = datetime.date.fromisoformat(expected["from"])
    want, day = [], first
    while len(want) < expected["n"]:
        if kin_of(day, expected["count"]) == expected["kin"]:
            want.append(day)
        day += datetime.timedelta(days=1)
    got = [e.decoded("DTSTART") for e in events]
    if any(isinstance(d, datetime.datetime) or not isinstance(d, datetime.date) for d in got):
        failures.append("an event is not all-day: %r" % got)
    if got != want:
        failures.append("dates %s, expected %s" % ([str(d) for d in got], [str(d) for d in want]))
    uids = [str(e["UID"]) for e in events]
    if len(set(uids)) != len(uids):
        failures.append("UIDs repeat")
    for e in events:
        if str(e["SUMMARY"]) != expected["summary"]:
            failures.append("SUMMARY %r" % str(e["SUMMARY"]))
        if str(e["DESCRIPTION"]) != expected["description"]:
            failures.append("DESCRIPTION %r" % str(e["DESCRIPTION"]))
        if "DTSTAMP" not in e:
            failures.append("no DTSTAMP")
    if str(calendar["VERSION"]) != "2.0" or "PRODID" not in calendar:
        failures.append("VERSION or PRODID")

    for f in sorted(set(failures)):
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
