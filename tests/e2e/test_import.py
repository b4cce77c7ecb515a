# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Importing a file into the real program through its own open dialog: the
preview read over AT-SPI before anything is saved, then one press that
imports what can be read, which the tray and a restart show."""
import datetime
import unittest

from atspi import ScreenReaderDesktopTest
from desktop import keys, program_today, pump, type_text


class ImportTest(ScreenReaderDesktopTest):
    def write_wallos_export(self, program):
        """A Wallos CSV export in the home folder: two subscriptions, an
        archived one and a line whose price is no number."""
        renews = (program_today(program) + datetime.timedelta(days=20)).isoformat()
        path = self.desktop.path("Wallos Export.csv")
        with open(path, "w", encoding="utf-8") as export:
            export.write("Name,Payment Cycle,Next Payment,Category,Price,Notes,URL,Active\n"
                         f"Netflix,Monthly,{renews},Entertainment,$15.99,,https://www.netflix.com,Yes\n"
                         f"Spotify,Monthly,{renews},Music,$10.99,Family,,Yes\n"
                         f"Dropbox Plus,Yearly,{renews},Cloud Services,$119.88,,,No\n"
                         f"Audible,Monthly,{renews},Books,abc,,,Yes\n")
        return path

    def test_a_wallos_export_through_the_open_dialog(self):
        program, tree = self.open_panel()
        program.wait_for_label("$0/mo")
        path = self.write_wallos_export(program)

        tree.press("push button", "Settings")
        tree.press("push button", "Import…", shown=False)
        # The dialog has the keyboard: the file's path typed into its name field.
        pump(1.0)
        keys("ctrl+a")
        type_text(path)
        keys("Return", pause=1.0)

        preview = tree.wait_for(lambda root: root.find("label", "Wallos export (CSV): 3 new · 1 can't be read")
                                and root, what="the preview of the file")
        preview.find("heading", "Import")
        items = [item.name for item in preview.find_all("list item", shown=False)]
        self.assertEqual(len(items), 4, items)
        self.assertTrue(items[0].startswith("Netflix, $15.99 · Monthly · next "), items)
        self.assertIn("category “Entertainment” taken as Streaming", items[0])
        self.assertTrue(items[2].startswith("Dropbox Plus, $119.88 · Yearly · next ") and "archived" in items[2],
                        items)
        self.assertEqual(items[3], "line 5: price “abc” is not a number")
        # Nothing is saved before the press.
        self.assertEqual(program.tray_label(), "$0/mo")

        tree.press("push button", "Import 3")
        program.wait_for_label("$27/mo")  # $15.99 + $10.99; the archived one does not count
        tree.wait_for_element("push button", lambda name: name.startswith("Spotify, $10.99 per month"))

        # Saved: there after a restart, the archived one in the settings.
        program.process.terminate()
        self.assertEqual(program.wait_for_exit(), 0)
        again, tree = self.open_panel()
        again.wait_for_label("$27/mo")
        tree.press("push button", "Settings")
        tree.wait_for_element("heading", "Archived (1)", shown=False)


if __name__ == "__main__":
    unittest.main()
