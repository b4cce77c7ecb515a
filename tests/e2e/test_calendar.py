# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Renewals in a calendar program, from the real program's settings: the
calendar it keeps in its data folder while asked to, following every change,
and the one it exports through its save dialog, both read by a real
iCalendar reader. The settings' controls are found by name over AT-SPI."""
import os
import unittest

import icalendar

from atspi import ScreenReaderDesktopTest
from desktop import keys, save_through_the_dialog, type_text, wait_for


def events(path):
    """The file's events as {summary: event}; None while it cannot be read."""
    try:
        with open(path, "rb") as file:
            calendar = icalendar.Calendar.from_ical(file.read())
    except (OSError, ValueError):
        return None
    return {str(event["SUMMARY"]): event for event in calendar.walk("VEVENT")}


class CalendarTest(ScreenReaderDesktopTest):
    def test_kept_calendar_follows_the_data_and_exports_match_it(self):
        program, tree = self.open_panel()
        keys("ctrl+n")
        type_text("netf")
        keys("Return", "Return", "Return")  # Netflix's first plan
        program.wait_for_label("$8/mo")

        kept = self.desktop.path("data", "Tabrino", "renewals.ics")
        tree.press("push button", "Settings")
        self.assertFalse(os.path.exists(kept), "off until asked for")
        tree.press("check box", "Keep a calendar file up to date", shown=False)
        netflix = wait_for(lambda: (events(kept) or {}).get("Netflix · $7.99"), what="the kept calendar")
        self.assertTrue(str(netflix["UID"]).endswith("@tabrino.app"))
        self.assertEqual(netflix["DTSTART"].params["VALUE"], "DATE")
        # The monthly reminder: three days before, at 09:00.
        self.assertEqual(netflix.walk("VALARM")[0]["TRIGGER"].to_ical(), b"-P2DT15H")

        # The export is the same calendar: the same event, under the same UID.
        tree.wait_for_element("push button", "Export Calendar (.ics)", shown=False).grab_focus()
        exported = events(save_through_the_dialog(self.desktop.path("renewals-export.ics")))
        self.assertEqual(list(exported), ["Netflix · $7.99"])
        self.assertEqual(exported["Netflix · $7.99"]["UID"], netflix["UID"])

        # A second subscription and an archived one change the kept file.
        tree.press("push button", "Back")
        keys("ctrl+n")
        type_text("spot")
        keys("Return", "Return", "Return")
        program.wait_for_label("$20/mo")
        wait_for(lambda: set(events(kept) or {}) == {"Netflix · $7.99", "Spotify · $11.99"},
                 what="Spotify in the kept calendar")
        tree.wait_for_element("push button", lambda spoken: spoken.startswith("Netflix, ")).grab_focus()
        keys("Menu", "Up", "Return")  # the menu's last entry: Archive
        program.wait_for_label("$12/mo")
        wait_for(lambda: set(events(kept) or {}) == {"Spotify · $11.99"}, what="Netflix to leave the calendar")

        # Turned off, the file goes rather than going stale.
        tree.press("push button", "Settings")
        tree.press("check box", "Keep a calendar file up to date", shown=False)
        wait_for(lambda: not os.path.exists(kept), what="the kept calendar to be removed")


if __name__ == "__main__":
    unittest.main()
