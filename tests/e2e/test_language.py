# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program on a German desktop: the tray item and the screens a
screen reader reads speak German, money is written the German way. On an
Arabic one, which has no translation, it speaks English."""
import dbus

from atspi import PROGRAM_ENV, ScreenReaderDesktopTest, unnamed_controls
from desktop import ITEM, days_to_a_month_ahead, type_text, wait_for

GERMAN = {"LANG": "de_DE.UTF-8"}
NBSP = "\u00a0"  # between amount and currency sign, as German writes money


def tool_tip(program):
    """The tray item's tooltip as (title, text)."""
    item = program.desktop.bus.get_object(program.service, "/StatusNotifierItem")
    _, _, title, text = item.Get(ITEM, "ToolTip", dbus_interface=dbus.PROPERTIES_IFACE)
    return str(title), str(text)


class DesktopLanguages(ScreenReaderDesktopTest):

    def test_the_tray_and_the_add_flow_speak_german(self):
        program = self.start({**PROGRAM_ENV, **GERMAN})
        tree = self.a11y.application(program.process.pid)
        program.wait_for_label(f"0{NBSP}€/Mon.")
        self.assertEqual(tool_tip(program), (f"Tabrino. Monatssumme 0{NBSP}€/Mon.", ""))
        program.click_tray()

        root = tree.wait_for(lambda root: root.find("push button", "Abo hinzufügen") and root)
        root.find("heading", "Erfassen Sie Ihr erstes Abo")
        root.find("label", "Dauert etwa 10 Sekunden.")
        root.find("push button", "Einstellungen")

        tree.press("push button", "Abo hinzufügen")
        search = tree.wait_for(lambda root: root.find("text", "Dienste suchen") and root)
        search.find("push button", "Zurück")
        search.find("push button", "Eigenes Abo hinzufügen")
        type_text("netf")
        tree.press("push button", "Netflix, Streaming")

        # Plans read with the price in German and the cycle in words.
        plans = tree.wait_for(lambda root: root.find("heading", "Netflix") and root)
        self.assertIn(f"Standard, 17,99{NBSP}$ pro Monat", [plan.name for plan in plans.find_all("radio button")])
        tree.press("radio button", f"Standard, 17,99{NBSP}$ pro Monat")
        picked = tree.wait_for(lambda root: root.find("push button", "Netflix hinzufügen") and root)
        picked.find("push button", "Details anpassen…")
        self.assertEqual(unnamed_controls(picked), [], picked.outline())

        tree.press("push button", "Netflix hinzufügen")
        # The row's reading counts the days in German plural forms.
        days = days_to_a_month_ahead(program)
        tree.wait_for_element("push button", f"Netflix, 17,99{NBSP}$ pro Monat, Streaming. "
                                             f"Verlängert sich in {days} Tagen.")

    def test_a_language_without_a_translation_gets_english(self):
        program = self.start({**PROGRAM_ENV, "LANG": "ar_EG.UTF-8"})
        tree = self.a11y.application(program.process.pid)
        wait_for(lambda: tool_tip(program)[0].startswith("Tabrino. Monthly total "), what="an English tooltip")
        program.click_tray()
        root = tree.wait_for(lambda root: root.find("push button", "Add Subscription") and root)
        root.find("heading", "Track your first subscription")

