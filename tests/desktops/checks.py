# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What every shell must do with the real program in it: the checks each
shell's test module runs against its own `Session` subclass."""
import os
import shutil
import tempfile
import time
import unittest

from atspi import PROGRAM_ENV, AccessibilityBus
from desktop import faked_clock, wait_for
from session import Rect, changed_area, leftmost_changed_area

# How far the panel may be from its place: the gap it keeps from the bar and
# the screen's sides where the shell's work area does not already.
FEW = 4


class Program:
    """One run of the real program in the session, with config and data
    folders of its own. It is started at once; `wait_for_item()` waits for
    its tray item."""

    def __init__(self, session, settings=None):
        self.session = session
        self.folder = tempfile.mkdtemp(prefix="program-", dir=session.folder)
        self.env = {"XDG_CONFIG_HOME": os.path.join(self.folder, "config"),
                    "XDG_DATA_HOME": os.path.join(self.folder, "data"), **PROGRAM_ENV}
        for variable in ("TZ", "LC_ALL", "LANG", "LANGUAGE", "LC_MONETARY", "LC_TIME", "LC_MESSAGES"):
            if variable in os.environ:
                self.env[variable] = os.environ[variable]
        # scripts/test-anytime runs every program at its moment.
        if os.environ.get("TABRINO_TEST_FAKETIME"):
            self.env.update(faked_clock(os.environ["TABRINO_TEST_FAKETIME"]))
        if settings:
            config = os.path.join(self.env["XDG_CONFIG_HOME"], "Tabrino")
            os.makedirs(config)
            with open(os.path.join(config, "Tabrino.conf"), "w") as file:
                file.write("[General]\n" + "".join(f"{key}={value}\n" for key, value in settings.items()))
        # What the bar shows without the item, to find the item by.
        session.park_pointer()
        session.wait_for_steady_bar()
        self.bar_before = session.bar_shot()
        self.process = session.spawn([session.binary], env=self.env, name=os.path.basename(self.folder))

    def wait_for_item(self):
        self.service = wait_for(self._registered, timeout=60, what="the tray item to register with the shell")
        self.item = wait_for(self._drawn_item, timeout=30, what="the tray item to be drawn in the bar")
        return self

    def stop(self):
        """Kills the program and waits for its item to leave the tray."""
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        wait_for(lambda: not any(f"-{self.process.pid}-" in item for item in self.session.registered_items()),
                 what="the tray item to leave the tray")

    def _registered(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended with status {self.process.returncode}")
        mine = [item for item in self.session.registered_items() if f"-{self.process.pid}-" in item]
        return mine[0] if mine else None

    def _drawn_item(self):
        """Where the item is on screen: what changed in the bar since the program
        started, once two looks agree."""
        area = self.session.bar_area()
        first = leftmost_changed_area(self.bar_before, self.session.bar_shot())
        time.sleep(0.2)
        second = leftmost_changed_area(self.bar_before, self.session.bar_shot())
        if first is None or second is None or vars(first) != vars(second):
            return None
        return Rect(area.x + first.x, area.y + first.y, first.width, first.height)

    def bar_crop(self):
        """The item's pixels in the bar as they are now."""
        self.session.park_pointer()
        shot = self.session.screenshot()
        return shot.crop((self.item.x, self.item.y, self.item.right, self.item.bottom))

    def click_item(self):
        self.session.click(*self.item.centre)

    def open_panel(self):
        self.click_item()
        return self.session.wait_for_panel(self)


class ShellChecks:
    """Mixed into a unittest.TestCase whose class names its `Session`; one shell
    serves the whole class, every test starts a program of its own."""

    session_class = None

    @classmethod
    def setUpClass(cls):
        cls.session = cls.session_class()
        cls.session.start()
        # The accessibility bus goes on the shell's session bus, where the
        # programs look for it.
        cls._saved_env = dict(os.environ)
        os.environ.update(cls.session.env)
        try:
            cls.a11y = AccessibilityBus()
        except BaseException:
            cls.session.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.a11y.close()
        os.environ.clear()
        os.environ.update(cls._saved_env)
        cls.session.stop()

    def setUp(self):
        self.programs = []

    def tearDown(self):
        for program in self.programs:
            program.stop()

    def start(self, settings=None):
        program = Program(self.session, settings)
        self.programs.append(program)
        return program.wait_for_item()

    def test_the_item_registers_with_the_shells_tray_host(self):
        self.assertTrue(self.session.host_registered())
        program = self.start()
        self.assertIn(program.service, self.session.registered_items())

    def test_a_click_opens_the_panel_beside_the_item_with_the_keyboard_and_escape_or_a_click_closes_it(self):
        program = self.start()
        program.open_panel()
        self.wait_for_frame_beside_item(program)
        wait_for(lambda: self.session.panel_focused(program), what="the panel to have the keyboard focus")
        self.assertFalse(self.session.panel_in_task_bar(program), "the panel is listed in the task bar")
        self.session.save(self.session.screenshot(), "panel-open")

        self.session.keys("Escape")
        self.session.wait_for_panel(program, shown=False)

        # A window manager may forget a window's states when it is hidden.
        program.open_panel()
        self.assertFalse(self.session.panel_in_task_bar(program), "the panel reopened is listed in the task bar")
        program.click_item()
        self.session.wait_for_panel(program, shown=False)

    def wait_for_frame_beside_item(self, program):
        """Waits for the panel to stand on the work area's edge at the bar,
        centred on the item as far as the work area allows: a window manager
        may move it there only some time after it maps."""
        area = self.session.work_area()
        last = []

        def beside():
            last[:] = [self.session.panel_frame(program)]
            frame = last[0]
            if frame is None:
                return False
            off_edge = frame.bottom - area.bottom if self.session.bar_edge == "bottom" else frame.y - area.y
            centred = min(max(program.item.centre[0] - frame.width // 2, area.x), area.right - frame.width)
            return abs(off_edge) <= FEW and abs(frame.x - centred) <= FEW
        try:
            wait_for(beside, timeout=10)
        except AssertionError:
            self.fail(f"the panel {last[0]} is not at the {self.session.bar_edge} of the work area {area}, "
                      f"centred on the tray item {program.item}")

    def test_the_panel_keeps_the_edge_at_the_tray_when_its_height_changes(self):
        program = self.start()
        opened = program.open_panel()
        self.session.keys("ctrl+n")  # the add screen, taller than the empty list
        grown = wait_for(lambda: self.taller_or_shorter(program, opened), what="the panel's height to change")
        self.session.keys("Escape")  # back to the list
        shrunk = wait_for(lambda: self.taller_or_shorter(program, grown), what="the panel's height to change back")
        self.session.save(self.session.screenshot(), "panel-shrunk")
        edge = (lambda frame: frame.bottom) if self.session.bar_edge == "bottom" else (lambda frame: frame.y)
        self.assertEqual([edge(opened), edge(grown), edge(shrunk)], [edge(opened)] * 3,
                         f"frames {opened}, {grown}, {shrunk}")

    def taller_or_shorter(self, program, than):
        frame = self.session.panel_frame(program)
        return frame if frame is not None and frame.height != than.height else None

    def test_the_total_is_drawn_in_the_tray(self):
        icon = self.start({"trayDisplayMode": "iconOnly"})
        icon_crop = icon.bar_crop()
        icon.stop()
        total = self.start({"trayDisplayMode": "total"})
        total_crop = total.bar_crop()
        self.session.save(icon_crop, "tray-icon-only")
        self.session.save(total_crop, "tray-total")
        # The total's digits are drawn where the symbol alone was.
        compared = (max(icon_crop.width, total_crop.width), max(icon_crop.height, total_crop.height))
        drawn = changed_area(icon_crop.crop((0, 0, *compared)), total_crop.crop((0, 0, *compared)))
        self.assertIsNotNone(drawn, "the tray shows the same with and without the total")
        self.assertGreaterEqual(drawn.width * drawn.height, 30, f"hardly anything of the total is drawn: {drawn}")

    def test_the_keyboard_adds_netflix_from_the_catalog(self):
        program = self.start()
        tree = self.a11y.application(program.process.pid)
        program.open_panel()
        self.session.keys("ctrl+n")
        tree.wait_for(lambda root: "focused" in root.find("text", "Search services").states,
                      what="the search field to take the keyboard")
        self.session.type_text("netf")
        self.session.keys("Return", "Down", "Return")
        tree.wait_for(lambda root: root.find("push button", lambda name: name.startswith("Netflix, $")),
                      what="Netflix's row in the list")
        self.session.save(self.session.screenshot(), "netflix-added")


def shell_test(session_class, required, in_every_suite=True):
    """A TestCase class over `session_class`, skipped where one of the
    `required` programs is not installed, or, unless `in_every_suite`, where
    scripts/test-desktops did not ask for every shell."""
    missing = [program for program in required if shutil.which(program) is None]
    asked = in_every_suite or os.environ.get("TABRINO_DESKTOP_TESTS") == "all"

    @unittest.skipUnless(asked, "not asked for: scripts/test-desktops runs it")
    @unittest.skipIf(missing, f"not installed: {' '.join(missing)}")
    class ShellTest(ShellChecks, unittest.TestCase):
        pass
    ShellTest.session_class = session_class
    return ShellTest
