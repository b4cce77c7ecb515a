# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program as a person meets it, driven from outside: the tray item
over D-Bus, keys on the X display."""
import os
import subprocess
import unittest

from desktop import (FAKETIME_LIBRARY, DesktopTest, faked_clock, keys, panel_window, save_through_the_dialog,
                     type_text, utc_text, wait_for)


class FirstRun(DesktopTest):
    def test_add_from_the_catalog_by_keyboard_quit_and_find_it_again(self):
        program = self.start()
        program.wait_for_label("$0/mo")

        program.click_tray()
        keys("ctrl+n")
        type_text("netf")
        keys("Return")  # Netflix's plans
        keys("Return")  # its first plan picked
        keys("Return")  # and added
        program.wait_for_label("$8/mo")

        keys("Escape")
        wait_for(lambda: panel_window() is None, what="Escape to close the panel")

        # A second launch opens the running program's panel and leaves.
        second = subprocess.run([os.environ["TABRINO_BINARY"]], env=program.env, timeout=20)
        self.assertEqual(second.returncode, 0)
        wait_for(panel_window, what="the running program's panel to open")

        # The gear ends the Tab chain; Ctrl+Q on the settings screen quits.
        keys("shift+Tab", "space")
        keys("ctrl+q")
        self.assertEqual(program.wait_for_exit(), 0)

        again = self.start()
        again.wait_for_label("$8/mo")

    def test_edit_and_archive_from_the_list(self):
        program = self.start()
        program.click_tray()
        for query in ("spot", "netf"):
            keys("ctrl+n")
            type_text(query)
            keys("Return", "Return", "Return")  # the service's first plan
        program.wait_for_label("$20/mo")  # $11.99 + $7.99

        # Spotify, added first, charges first: the first row.
        keys("Tab", "Tab", "Return")  # its edit form, the name field first
        keys("Tab", "ctrl+a")
        type_text("20")
        keys("Return")
        program.wait_for_label("$28/mo")

        self.reopen(program)
        keys("Tab", "Tab", "Menu", "Up", "Return")  # the menu's last entry: Archive
        program.wait_for_label("$8/mo")
        # The keyboard moved on to the row that took its place: Netflix's menu.
        keys("Menu", "Up", "Return")
        program.wait_for_label("$0/mo")

        program.process.terminate()
        self.assertEqual(program.wait_for_exit(), 0)
        self.start().wait_for_label("$0/mo")

    def reopen(self, program):
        keys("Escape")
        wait_for(lambda: panel_window() is None, what="the panel to close")
        program.click_tray()

    @unittest.skipUnless(FAKETIME_LIBRARY, "libfaketime is not installed (scripts/bootstrap installs it)")
    def test_export_csv_and_json_through_the_save_dialog(self):
        # A clock standing still makes every date in the files known; they
        # are written in UTC whatever the zone.
        program = self.start(faked_clock("2026-12-10 10:00:00", running=False))
        added, next_charge = utc_text("2026-12-10 10:00:00").encode(), utc_text("2027-01-10 10:00:00").encode()
        program.click_tray()
        keys("ctrl+n")
        type_text("netf")
        keys("Return", "Return", "Return")
        program.wait_for_label("$8/mo")

        keys("shift+Tab", "space")  # the settings
        keys(*["Tab"] * 10, pause=0.1)  # down to Export CSV
        csv_file = save_through_the_dialog(self.desktop.path("chosen.csv"))
        keys("Tab")  # Export JSON, beside it
        json_file = save_through_the_dialog(self.desktop.path("chosen.json"))
        self.assertIsNotNone(panel_window(), "the panel stays open under its dialog")

        with open(csv_file, "rb") as exported:
            self.assertEqual(exported.read(), (
                b"Name,Price,Currency,Billing Cycle,Monthly Cost,Next Billing Date,Category,"
                b"Trial,Shared,Share %,Payment Method,Active,Date Added,Notes\n"
                b"Netflix,7.99,USD,Monthly,7.99," + next_charge + b",Streaming,No,No,,,Yes," + added + b","))
        with open(json_file, "rb") as exported:
            self.assertEqual(exported.read(), b"""[
  {
    "billingCycle" : "Monthly",
    "category" : "Streaming",
    "currency" : "USD",
    "dateAdded" : "%s",
    "isActive" : true,
    "isShared" : false,
    "isTrial" : false,
    "monthlyCost" : "7.99",
    "name" : "Netflix",
    "nextBillingDate" : "%s",
    "price" : "7.99"
  }
]""" % (added, next_charge))


if __name__ == "__main__":
    unittest.main()
