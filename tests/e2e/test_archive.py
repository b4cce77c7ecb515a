# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Archived subscriptions in the settings of the real program: restored, then
deleted for good, with the tray total, the Insights lifetime list and a
restart following. The settings' buttons are found by name over AT-SPI,
since how many Tab presses reach them depends on the screen's state."""
import unittest

from atspi import ScreenReaderDesktopTest
from desktop import keys, type_text


class ArchivedSubscriptionsTest(ScreenReaderDesktopTest):
    @staticmethod
    def archive(tree, name):
        """Archives a row from its menu, from the keyboard."""
        tree.wait_for_element("push button", lambda spoken: spoken.startswith(name + ", ")).grab_focus()
        keys("Menu", "Up", "Return")  # the menu's last entry: Archive

    @staticmethod
    def open_archived_list(tree, count):
        tree.press("push button", "Settings")
        tree.wait_for_element("heading", f"Archived ({count})", shown=False)
        tree.press("push button", "Show", shown=False)

    @staticmethod
    def lifetime_entries(tree):
        """The Insights tab's lifetime list, as spoken."""
        tree.press("page tab", "Insights")
        root = tree.wait_for(lambda root: root.find("list", "Lifetime Spend") and root)
        return [item.name for item in root.find("list", "Lifetime Spend").find_all("list item")]

    def test_restore_then_delete_permanently(self):
        program, tree = self.open_panel()
        for query in ("spot", "netf"):
            keys("ctrl+n")
            type_text(query)
            keys("Return", "Return", "Return")  # the service's first plan
        program.wait_for_label("$20/mo")  # $11.99 + $7.99

        self.archive(tree, "Spotify")
        program.wait_for_label("$8/mo")

        # Restored from the settings, it counts again at once.
        self.open_archived_list(tree, 1)
        tree.press("push button", "Restore", "Spotify", shown=False)
        program.wait_for_label("$20/mo")
        tree.wait_for_element("heading", "Archived (0)", shown=False)
        tree.press("push button", "Back")
        tree.wait_for_element("push button", lambda spoken: spoken.startswith("Spotify, $11.99 per month"))

        # Archived again, it still has its lifetime entry...
        self.archive(tree, "Spotify")
        program.wait_for_label("$8/mo")
        entries = self.lifetime_entries(tree)
        self.assertEqual(len(entries), 2, entries)
        self.assertTrue(any(entry.startswith("Spotify") and "Archived" in entry for entry in entries), entries)

        # ...until it is deleted for good, from the keyboard this time: at
        # once, with no question asked.
        self.open_archived_list(tree, 1)
        tree.wait_for_element("push button", "Delete permanently — removes it from lifetime stats", "Spotify",
                              shown=False).grab_focus()
        keys("space")
        settings = tree.wait_for(lambda root: root.find("heading", "Archived (0)", shown=False)
                                 and not root.find_all("list item", "Spotify", shown=False) and root,
                                 what="the archived row to go")
        settings.find("label", "Archived subscriptions keep their history for lifetime stats.", shown=False)
        program.wait_for_label("$8/mo")
        tree.press("push button", "Back")
        self.assertEqual([entry.split(",")[0] for entry in self.lifetime_entries(tree)], ["Netflix"])

        # Gone for good: not back after a restart.
        program.process.terminate()
        self.assertEqual(program.wait_for_exit(), 0)
        again, tree = self.open_panel()
        again.wait_for_label("$8/mo")
        self.assertEqual([entry.split(",")[0] for entry in self.lifetime_entries(tree)], ["Netflix"])
        tree.press("push button", "Settings")
        settings = tree.wait_for(lambda root: root.find("heading", "Archived (0)", shown=False) and root)
        self.assertEqual(settings.find_all("list item", "Spotify", shown=False), [])


if __name__ == "__main__":
    unittest.main()
