# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reminders of the real program, delivered to the session's notification
server on the days they are planned for, and answered from there. The
program's wall clock is moved to the days that matter with libfaketime."""
import sqlite3
import unittest

from desktop import FAKETIME_LIBRARY, DesktopTest, faked_clock, keys, type_text, wait_for


@unittest.skipUnless(FAKETIME_LIBRARY, "libfaketime is not installed (scripts/bootstrap installs it)")
class TrialReminder(DesktopTest):
    def start_at(self, moment):
        """Starts the program with its wall clock at the local `moment`, running on."""
        return self.start(faked_clock(moment))

    def stop(self, program):
        program.process.terminate()
        self.assertEqual(program.wait_for_exit(), 0)

    def wait_for_notification(self, summary, timeout=30):
        shown = self.desktop.notifications.shown
        return wait_for(lambda: next((n for n in shown if n["summary"] == summary), None), timeout,
                        f"the notification {summary!r}")

    def wait_for_pending(self, pattern):
        """The titles of the reminders waiting in the program's database whose
        identifier matches the SQL LIKE `pattern`, once there are any."""
        database = self.desktop.path("data", "Tabrino", "Tabrino.sqlite")

        def titles():
            with sqlite3.connect(f"file:{database}?mode=ro", uri=True) as connection:
                return connection.execute("SELECT title FROM PendingNotification WHERE identifier LIKE ?",
                                          (pattern,)).fetchall()
        return wait_for(titles, what=f"a pending reminder like {pattern!r}")

    def test_a_trial_ending_in_two_days_is_reminded_and_snoozed(self):
        program = self.start_at("2026-12-10 10:00:00")
        program.wait_for_label("$0/mo")
        program.click_tray()
        keys("ctrl+n")
        type_text("Acme Cloud", pause=1.0)
        keys("Down", "Return", pause=0.8)  # "Can't find it? Add …": the form, on its name
        keys("Tab")
        type_text("9.99")
        keys(*["Tab"] * 7, pause=0.3)  # currency, category, cycle, next charge, calendar, remind me, free trial
        keys("space", pause=0.8)
        keys("Tab", "ctrl+a")  # the revealed "Trial ends"
        type_text("2026-12-12")
        keys("Return")
        program.wait_for_label("$10/mo")
        self.assertEqual(self.wait_for_pending("%.trial1"), [("Acme Cloud trial ends tomorrow",)])
        self.stop(program)

        # The morning before the trial ends (it ends at 10:00 on the 12th).
        program = self.start_at("2026-12-11 08:59:50")
        reminder = self.wait_for_notification("Acme Cloud trial ends tomorrow")
        self.assertEqual(reminder["body"], "It becomes $9.99/mo unless you cancel today.")
        self.assertEqual(reminder["actions"], ["OPEN_CANCELLATION", "Open Cancellation Page",
                                               "SNOOZE_ONE_DAY", "Snooze 1 Day"])
        self.desktop.notifications.press(reminder, "SNOOZE_ONE_DAY")
        self.assertEqual(self.wait_for_pending("%.trialSnoozed"), [("Acme Cloud trial ends today",)])
        self.stop(program)

        # It comes back the next morning, the day the trial ends.
        program = self.start_at("2026-12-12 08:59:50")
        again = self.wait_for_notification("Acme Cloud trial ends today")
        self.assertEqual(again["body"], "It becomes $9.99/mo today unless you cancel.")
        self.stop(program)


if __name__ == "__main__":
    unittest.main()
