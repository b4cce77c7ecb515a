# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calendar file as a calendar program reads it.

Runs the dump program, which writes a calendar file per time zone and the
charge dates Tabrino computes for each subscription in it, then expands every
event series with a real iCalendar reader (python3-icalendar with
python3-recurring-ical-events) and checks that the reader's dates are the
program's: over the whole span for a series written as a rule, and the listed
charges for a series written as dates. For the listed ones it also checks that
the simple rules a writer might reach for would have been wrong.

usage: check_calendar.py <dump program>
"""

import datetime
import json
import pathlib
import subprocess
import sys
import tempfile
import unittest

import icalendar
import recurring_ical_events

YEARS = 5
LISTED = 24
ZONES = ["Europe_Berlin", "America_New_York", "Pacific_Kiritimati"]

DUMP = None


def day(text):
    return datetime.date.fromisoformat(text)


def expand(calendar, start, end):
    """Occurrence dates per UID between start and end, as the reader gives them."""
    found = {}
    for occurrence in recurring_ical_events.of(calendar).between(start, end):
        found.setdefault(str(occurrence["UID"]), []).append(occurrence["DTSTART"].dt)
    return {uid: sorted(dates) for uid, dates in found.items()}


def only(calendar, keep):
    """A calendar with those events of `calendar` that `keep` accepts."""
    result = icalendar.Calendar()
    for event in calendar.walk("VEVENT"):
        if keep(event):
            result.add_component(event)
    return result


def rule_dates(first, rule, count):
    """The first `count` dates that `rule` gives from `first`."""
    calendar = icalendar.Calendar()
    event = icalendar.Event()
    event.add("UID", "candidate")
    event.add("DTSTART", first)
    event.add("RRULE", rule)
    calendar.add_component(event)
    span = datetime.timedelta(days=370 * (count + 1))
    dates = expand(calendar, first, first + span).get("candidate", [])
    return dates[:count]


def tempting_rules(first, cycle):
    """Rules that look right for a cycle but drop or shift dates."""
    if cycle == "Yearly":
        return [{"FREQ": "YEARLY"}, {"FREQ": "YEARLY", "BYMONTH": first.month, "BYMONTHDAY": -1}]
    interval = {"Monthly": 1, "Quarterly": 3}[cycle]
    return [{"FREQ": "MONTHLY", "INTERVAL": interval, "BYMONTHDAY": first.day},
            {"FREQ": "MONTHLY", "INTERVAL": interval, "BYMONTHDAY": -1}]


class CalendarFileTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        subprocess.run([DUMP, cls.folder.name, str(YEARS)], check=True)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def load(self, zone):
        folder = pathlib.Path(self.folder.name)
        calendar = icalendar.Calendar.from_ical((folder / f"{zone}.ics").read_bytes())
        return calendar, json.loads((folder / f"{zone}.json").read_text())

    def test_reader_dates_equal_the_programs(self):
        ruled = listed = 0
        for zone in ZONES:
            calendar, expected = self.load(zone)
            events = {str(e["UID"]): e for e in calendar.walk("VEVENT")}
            self.assertEqual(set(events), set(expected), zone)
            start = min(day(case["first"]) for case in expected.values())
            end = max(day(case["end"]) for case in expected.values())
            reader = expand(only(calendar, lambda e: "RRULE" in e), start, end)
            # Listed yearly charges reach 24 years out.
            reader.update(expand(only(calendar, lambda e: "RRULE" not in e), start,
                                 end + datetime.timedelta(days=366 * LISTED)))
            for uid, case in expected.items():
                dates = [day(text) for text in case["dates"]]
                label = f"{zone}: {case['cycle']} from {case['first']}"
                got = reader.get(uid, [])
                if "RRULE" in events[uid]:
                    ruled += 1
                    end = day(case["end"])
                    self.assertEqual([d for d in got if d < end], [d for d in dates if d < end], label)
                else:
                    listed += 1
                    self.assertEqual(got, dates[:LISTED], label)
        # Both forms were tried, and most series are rules.
        self.assertGreater(listed, 0)
        self.assertGreater(ruled, listed)

    def test_listed_series_have_no_simple_rule(self):
        # Where the file lists dates, the month-end and leap-day rules that a
        # calendar writer might use would give other dates than the program.
        calendar, expected = self.load("Europe_Berlin")
        for event in calendar.walk("VEVENT"):
            if "RRULE" in event:
                continue
            case = expected[str(event["UID"])]
            dates = [day(text) for text in case["dates"]][:LISTED]
            for rule in tempting_rules(dates[0], case["cycle"]):
                self.assertNotEqual(rule_dates(dates[0], rule, LISTED), dates, f"{case} {rule}")


if __name__ == "__main__":
    DUMP = sys.argv.pop(1)
    unittest.main(verbosity=2)
