# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader finds on each screen of the real program, read over
AT-SPI: every control a person acts on has a name, the main ones say what
they are and which is selected, their actions do what a click does, and the
Tab key reaches every control."""
import unittest

from atspi import ScreenReaderDesktopTest, unnamed_controls
from desktop import days_to_a_month_ahead, keys, type_text


def renews_in_a_month(program):
    """The spoken countdown of a monthly subscription `program` added today."""
    return f"Renews in {days_to_a_month_ahead(program)} days."


class ScreenReaderTest(ScreenReaderDesktopTest):

    def assertAllNamed(self, root, screen):
        self.assertEqual(unnamed_controls(root), [], f"controls without a name on {screen}:\n{root.outline()}")

    def assertSelectedAmong(self, root, role, selected, others):
        """`selected` alone, of the elements named in it and `others`, is
        selected (and checked, for radio buttons)."""
        on = {"selected", "checked"} if role == "radio button" else {"selected"}
        self.assertLessEqual(on, root.find(role, selected).states, selected)
        for name in others:
            self.assertFalse(on & root.find(role, name).states, f"{name} is not selected")

    def test_first_run_the_catalog_search_and_the_plan_picker(self):
        self.program, tree = self.open_panel()

        # The empty state says what it is and offers the one add button.
        root = tree.wait_for(lambda root: root.find("push button", "Add Subscription") and root)
        root.find("heading", "Track your first subscription")
        root.find("label", "Takes about 10 seconds.")
        root.find("push button", "Settings")
        self.assertEqual(root.find_all("page tab list"), [], "no tabs without subscriptions")
        self.assertAllNamed(root, "the empty state")

        # Each button's Press action does what a click does.
        tree.press("push button", "Add Subscription")
        search = tree.wait_for(lambda root: "focused" in root.find("text", "Search services").states
                               and root, what="the search field to take the keyboard")
        self.assertEqual(search.find("heading", "Add Subscription").name, "Add Subscription")
        search.find("push button", "Back")
        search.find("push button", "Netflix, Streaming")
        search.find("push button", "Add a custom subscription")
        self.assertAllNamed(search, "the catalog search")

        type_text("netf")
        tree.wait_for_element("push button", 'Can\'t find it? Add "netf"')
        tree.press("push button", "Netflix, Streaming")

        # Three plans, none chosen yet: radio buttons, none selected.
        plans = tree.wait_for(lambda root: root.find("heading", "Netflix") and root)
        names = ["Standard with ads, $7.99 per month", "Standard, $17.99 per month",
                 "Premium, $24.99 per month"]
        self.assertEqual([plan.name for plan in plans.find_all("radio button")], names)
        for plan in plans.find_all("radio button"):
            self.assertFalse({"selected", "checked"} & plan.states, plan)
        self.assertEqual(plans.find_all("push button", "Add Netflix"), [])
        plans.find("push button", "Customize details…")
        self.assertAllNamed(plans, "the plan picker")

        tree.press("radio button", names[1])
        picked = tree.wait_for(lambda root: root.find("push button", "Add Netflix") and root)
        self.assertSelectedAmong(picked, "radio button", names[1], [names[0], names[2]])
        picked.find("text", "First charge")
        picked.find("push button", "Choose First charge")
        self.assertAllNamed(picked, "the plan picker with a plan")

        tree.press("push button", "Add Netflix")
        self.program.wait_for_label("$18/mo")

        # The list: the row speaks as one element, with its hint.
        listed = tree.wait_for(lambda root: root.find("page tab list", "List, Insights") and root)
        row = listed.find("push button", f"Netflix, $17.99 per month, Streaming. {renews_in_a_month(self.program)}")
        self.assertEqual(row.description, "Opens details")
        self.assertEqual(row.children, [], "the row's parts are not read one by one")
        self.assertSelectedAmong(listed, "page tab", "List", ["Insights"])
        listed.find("label", "Monthly total $17.99")
        listed.find("push button", "Add Subscription")
        listed.find("push button", "Settings")
        self.assertAllNamed(listed, "the list")

    def test_the_form_the_list_insights_and_settings(self):
        self.program, tree = self.open_panel()
        tree.press("push button", "Add Subscription")
        tree.wait_for_element("text", "Search services")
        type_text("Gym")
        tree.press("push button", 'Can\'t find it? Add "Gym"')

        form = tree.wait_for(lambda root: root.find("heading", "New Subscription") and root)
        for role, name, description in [("text", "Name", "Subscription name"), ("text", "Price", "0.00"),
                                         ("combo box", "Currency", "USD"), ("combo box", "Category", "Other"),
                                         ("combo box", "Remind me", "Default (3 days before)"),
                                         ("text", "Payment", "e.g. Amex •••• 1005"),
                                         ("text", "Notes", "Optional")]:
            form.find(role, name, description)
        form.find("text", "Next charge")
        form.find("push button", "Choose Next charge")
        for role, name in [("check box", "Free trial"), ("check box", "Split with others"),
                           ("push button", "Cancel"), ("push button", "Add")]:
            form.find(role, name)
        form.find("page tab list", "Week, Month, Quarter, Year, Custom")
        self.assertSelectedAmong(form, "page tab", "Month", ["Week", "Quarter", "Year", "Custom"])
        self.assertEqual(form.find_all("push button", "Archive Subscription"), [], "no archiving a new one")
        self.assertAllNamed(form, "the form for a new subscription")

        # A screen reader's Toggle and Increase reach the form's state as
        # clicks and arrow keys do: the share saved is the share shown.
        form.find("check box", "Split with others").do_action("Toggle")
        share = tree.wait_for_element("slider", "My share")
        self.assertEqual(share.value, 50)
        share.do_action("Increase")
        self.assertEqual(tree.wait_for_element("slider", "My share").value, 55)
        tree.wait_for_element("text", "Price").grab_focus()
        type_text("20")
        tree.press("push button", "Add")
        self.program.wait_for_label("$11/mo")  # 55 % of 20

        # Its row opens the form in edit mode with what was saved.
        tree.press("push button", f"Gym, $11 per month, Other. {renews_in_a_month(self.program)}")
        edit = tree.wait_for(lambda root: root.find("heading", "Gym") and root)
        self.assertIn("checked", edit.find("check box", "Split with others").states)
        self.assertEqual(edit.find("slider", "My share").value, 55)
        edit.find("push button", "Archive Subscription", shown=False)  # below the fold
        edit.find("push button", "Save")
        self.assertAllNamed(edit, "the form of a subscription")
        stops = [(node.role, node.name) for node in tree.focus_cycle(lambda: keys("Tab", pause=0.1))]
        for stop in [("push button", "Back"), ("text", "Name"), ("text", "Price"), ("combo box", "Currency"),
                     ("combo box", "Category"), ("page tab list", "Week, Month, Quarter, Year, Custom"),
                     ("text", "Next charge"), ("push button", "Choose Next charge"), ("combo box", "Remind me"),
                     ("check box", "Free trial"), ("check box", "Split with others"), ("slider", "My share"),
                     ("text", "Payment"), ("text", "Notes"), ("push button", "Archive Subscription"),
                     ("push button", "Cancel"), ("push button", "Save")]:
            self.assertIn(stop, stops, "reached by Tab")
        tree.press("push button", "Cancel")

        # Insights: the tabs say which one is selected; the figures speak.
        tree.press("page tab", "Insights")
        insights = tree.wait_for(lambda root: root.find("label", "Most Expensive: $11 per month, Gym") and root)
        self.assertSelectedAmong(insights, "page tab", "Insights", ["List"])
        insights.find("label", "Average: $11 per month, per service")
        insights.find("label", "Faded bars are estimated from your current subscriptions.")
        self.assertEqual([item.name.split(",")[0] for item in insights.find_all("list item")], ["Gym"])
        self.assertAllNamed(insights, "Insights")
        tree.press("page tab", "List")

        tree.press("push button", "Settings")
        settings = tree.wait_for(lambda root: root.find("heading", "Settings") and root)
        for name in ("Launch at login", "Keep typical prices updated", "Show totals in one currency",
                     "Renewal indicator"):
            settings.find("check box", name)
        for name in ("Currency", "Show", "Default lead", "Yearly plans"):
            settings.find("combo box", name, shown=False)
        # Below the fold, reported as hidden until scrolled to.
        for name in ("Export CSV", "Export JSON", "Export Calendar (.ics)", "Import…", "Quit Tabrino"):
            settings.find("push button", name, shown=False)
        settings.find("check box", "Keep a calendar file up to date", shown=False)
        settings.find("heading", "Archived (0)", shown=False)
        self.assertAllNamed(settings, "the settings")
        tree.press("push button", "Back")

        # With an archived subscription, its row and buttons are named too.
        tree.wait_for_element("push button", lambda name: name.startswith("Gym, ")).grab_focus()
        keys("Menu", "Up", "Return")  # the menu's last entry: Archive
        self.program.wait_for_label("$0/mo")
        tree.press("push button", "Settings")
        tree.press("push button", "Show", shown=False)
        archived = tree.wait_for(lambda root: root.find("list item", "Gym", shown=False) and root)
        archived.find("heading", "Archived (1)", shown=False)
        archived.find("push button", "Restore", "Gym", shown=False)
        archived.find("push button", "Delete permanently — removes it from lifetime stats", "Gym", shown=False)
        self.assertAllNamed(archived, "the settings with an archived subscription")
        stops = [(node.role, node.name) for node in tree.focus_cycle(lambda: keys("Tab", pause=0.1))]
        self.assertEqual(stops, [
            ("push button", "Back"), ("check box", "Launch at login"),
            ("check box", "Keep typical prices updated"), ("combo box", "Currency"),
            ("check box", "Show totals in one currency"), ("combo box", "Show"),
            ("check box", "Renewal indicator"), ("combo box", "Default lead"), ("combo box", "Yearly plans"),
            ("push button", "Export CSV"), ("push button", "Export JSON"),
            ("push button", "Export Calendar (.ics)"), ("check box", "Keep a calendar file up to date"),
            ("push button", "Import…"), ("push button", "Hide"),
            ("push button", "Restore"), ("push button", "Delete permanently — removes it from lifetime stats"),
            ("push button", "Quit Tabrino")])


if __name__ == "__main__":
    unittest.main()
