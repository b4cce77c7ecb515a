# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program's accessibility tree, read over AT-SPI as a screen reader reads it.

`AccessibilityBus` starts what a desktop session would: the accessibility bus
(at-spi-bus-launcher, which answers org.a11y.Bus on the session bus, where Qt
looks for it) and the AT-SPI registry on that bus. The registry is started by
hand: its activation file asks for the GNOME session manager, which the
tests' private session does not have. `Tree.read()` walks
org.a11y.atspi.Accessible from the program's application object into plain
`Node`s, which can also run an element's actions (Press, Toggle, Increase)
as a screen reader's user does. Every D-Bus call carries a timeout, so a
registry or program that stops answering fails the test instead of hanging
it. Uses Debian's python3-dbus and at-spi2-core."""
import os
import shutil
import signal
import subprocess
import tempfile
import time

import dbus

from desktop import DesktopTest, pump, wait_for

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
REGISTRY_DAEMON = "/usr/libexec/at-spi2-registryd"
REGISTRY = "org.a11y.atspi.Registry"
ROOT = "/org/a11y/atspi/accessible/root"
ACCESSIBLE = "org.a11y.atspi.Accessible"
ACTION = "org.a11y.atspi.Action"
COMPONENT = "org.a11y.atspi.Component"
VALUE = "org.a11y.atspi.Value"
CALL_TIMEOUT = 10.0
# How an element that went away answers; Qt's bridge says "unknown interface"
# for an object it has just dropped.
GONE = {"org.freedesktop.DBus.Error.UnknownObject", "org.freedesktop.DBus.Error.UnknownMethod",
        "org.freedesktop.DBus.Error.UnknownInterface"}

# What a program needs to expose its tree at once, without waiting for a
# screen reader to ask for it.
PROGRAM_ENV = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}

# AT-SPI's state bits, in order (AtspiStateType).
STATE_NAMES = [
    "invalid", "active", "armed", "busy", "checked", "collapsed", "defunct", "editable", "enabled",
    "expandable", "expanded", "focusable", "focused", "has tooltip", "horizontal", "iconified", "modal",
    "multi line", "multiselectable", "opaque", "pressed", "resizable", "selectable", "selected", "sensitive",
    "showing", "single line", "stale", "transient", "vertical", "visible", "manages descendants",
    "indeterminate", "required", "truncated", "animated", "invalid entry", "supports autocompletion",
    "selectable text", "is default", "visited", "checkable", "has popup", "read only"]

# Roles a person acts on: each must carry a name a screen reader can say.
INTERACTIVE_ROLES = {
    "push button", "toggle button", "check box", "radio button", "entry", "text", "password text",
    "combo box", "list item", "slider", "menu item", "check menu item", "radio menu item", "page tab",
    "spin button", "link", "switch"}


class AccessibilityBus:
    """The session's accessibility bus and registry; `close()` ends both."""

    def __init__(self):
        self._folder = tempfile.mkdtemp(prefix="tabrino-a11y-")
        self._log = open(os.path.join(self._folder, "daemons.log"), "a")
        self._registry = None
        self.bus = None
        # Each daemon leads a process group of its own, so that close() also
        # reaches the bus daemon the launcher starts.
        self._launcher = subprocess.Popen(
            [LAUNCHER, "--launch-immediately", "--a11y=1"],
            env=dict(os.environ, XDG_RUNTIME_DIR=self._folder), stdout=subprocess.DEVNULL,
            stderr=self._log, start_new_session=True)
        try:
            session = dbus.SessionBus()
            self.address = wait_for(lambda: self._bus_address(session), timeout=20,
                                    what="the accessibility bus")
            self.bus = dbus.bus.BusConnection(self.address)
            self._registry = subprocess.Popen(
                [REGISTRY_DAEMON], env=dict(os.environ, AT_SPI_BUS_ADDRESS=self.address),
                stdout=self._log, stderr=self._log, start_new_session=True)
            wait_for(lambda: self.bus.name_has_owner(REGISTRY), timeout=20, what="the AT-SPI registry")
        except BaseException:
            self.close()
            raise

    @staticmethod
    def _bus_address(session):
        try:
            return str(session.call_blocking("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                             "", (), timeout=2.0))
        except dbus.DBusException:
            return None

    def application(self, pid, timeout=30.0):
        """The tree of the program with process id `pid`, once it has
        registered with the registry."""
        return Tree(self, wait_for(lambda: self._application_name(pid), timeout,
                                   f"process {pid} to register with the AT-SPI registry"))

    def _application_name(self, pid):
        for name, _ in self.call(REGISTRY, ROOT, ACCESSIBLE, "GetChildren"):
            try:
                owner = self.bus.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                               "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                                               "s", (name,), timeout=CALL_TIMEOUT)
            except dbus.DBusException:
                continue  # a program that has just left
            if int(owner) == pid:
                return str(name)
        return None

    def call(self, name, path, interface, method, signature="", args=()):
        return self.bus.call_blocking(name, path, interface, method, signature, args, timeout=CALL_TIMEOUT)

    def close(self):
        """Stops the registry, the launcher and the bus daemon it started,
        and waits until all are gone."""
        if self.bus is not None:
            self.bus.close()
            self.bus = None
        for process in (self._registry, self._launcher):
            if process is not None:
                stop_group(process)
        self._registry = self._launcher = None
        self._log.close()
        shutil.rmtree(self._folder, ignore_errors=True)


def stop_group(process):
    """Ends `process` and whatever else its process group holds."""
    group = process.pid
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(group, sig)
        except ProcessLookupError:
            pass
        end = time.monotonic() + 5
        while time.monotonic() < end:
            if process.poll() is not None and not _group_alive(group):
                return
            time.sleep(0.05)
    process.wait()


def _group_alive(group):
    try:
        os.killpg(group, 0)
        return True
    except ProcessLookupError:
        return False
    except PermissionError:
        return True


class Node:
    """One accessible element as read at one moment."""

    def __init__(self, tree, name, path):
        self.tree = tree
        self.bus_name = name
        self.path = path
        call = tree.a11y.call
        # One property at a time: Qt 6.4 reads a second argument that a
        # Properties.GetAll call does not have.
        self.name = str(call(name, path, dbus.PROPERTIES_IFACE, "Get", "ss", (ACCESSIBLE, "Name")))
        self.description = str(call(name, path, dbus.PROPERTIES_IFACE, "Get", "ss", (ACCESSIBLE, "Description")))
        self.role = str(call(name, path, ACCESSIBLE, "GetRoleName"))
        self.states = self.read_states()
        self.children = []

    def read_states(self):
        words = self.tree.a11y.call(self.bus_name, self.path, ACCESSIBLE, "GetState")
        bits = int(words[0]) | (int(words[1]) << 32)
        return {state for i, state in enumerate(STATE_NAMES) if bits & (1 << i)}

    def __repr__(self):
        return f"<{self.role} {self.name!r}>"

    @property
    def visible(self):
        return "visible" in self.states

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def find_all(self, role=None, name=None, description=None, shown=True):
        """Elements of this subtree matching every given field; `name` may
        also be a predicate. Only shown ones unless `shown` is False (Qt
        reports an element scrolled out of the window as hidden as well)."""
        def matches(value, wanted):
            return wanted is None or (wanted(value) if callable(wanted) else value == wanted)
        return [node for node in self.walk() if (node.visible or not shown) and matches(node.role, role)
                and matches(node.name, name) and matches(node.description, description)]

    def find(self, role=None, name=None, description=None, shown=True):
        """The one element that matches; fails on none or several."""
        found = self.find_all(role, name, description, shown)
        if len(found) != 1:
            raise AssertionError(f"expected one {role or 'element'} named {name!r}, found {found}"
                                 f" among:\n{self.outline()}")
        return found[0]

    def outline(self, depth=0):
        """The shown part of the subtree as indented lines, for messages."""
        lines = ["  " * depth + f"{self.role} {self.name!r} {self.description!r} {sorted(self.states)}"]
        lines += [child.outline(depth + 1) for child in self.children if child.visible]
        return "\n".join(lines)

    def actions(self):
        return [str(action[0]) for action in
                self.tree.a11y.call(self.bus_name, self.path, ACTION, "GetActions")]

    def do_action(self, action="Press"):
        """Runs one of the element's actions, as a screen reader's user does."""
        names = self.actions()
        if action not in names:
            raise AssertionError(f"{self} offers no {action!r} action, only {names}")
        self.tree.a11y.call(self.bus_name, self.path, ACTION, "DoAction", "i", (names.index(action),))
        pump(0.3)

    def grab_focus(self):
        """Gives the element the keyboard, so that keys pressed next go to it."""
        self.tree.a11y.call(self.bus_name, self.path, COMPONENT, "GrabFocus")
        pump(0.2)

    @property
    def value(self):
        return float(self.tree.a11y.call(self.bus_name, self.path, dbus.PROPERTIES_IFACE, "Get", "ss",
                                         (VALUE, "CurrentValue")))


class Tree:
    """One program's accessibility tree; `read()` walks it afresh."""

    def __init__(self, a11y, bus_name):
        self.a11y = a11y
        self.bus_name = bus_name

    def read(self, attempts=5):
        """The whole tree as it is now, hidden elements included. A read that
        meets an element which went away after its parent listed it (a
        screen being dropped) starts again."""
        def node(name, path):
            current = Node(self, str(name), str(path))
            current.children = [node(child_name, child_path) for child_name, child_path in
                                self.a11y.call(current.bus_name, current.path, ACCESSIBLE, "GetChildren")]
            return current
        for attempt in range(attempts):
            try:
                return node(self.bus_name, ROOT)
            except dbus.DBusException as error:
                if error.get_dbus_name() not in GONE or attempt == attempts - 1:
                    raise
                pump(0.1)

    def wait_for(self, condition, timeout=15.0, what="the accessibility tree to change"):
        """Reads the tree until `condition(root)` gives a true value without
        failing, and returns that value."""
        last = [None]

        def attempt():
            last[0] = self.read()
            try:
                return condition(last[0])
            except AssertionError:
                return None
        try:
            return wait_for(attempt, timeout, what)
        except AssertionError as failure:
            shown = last[0].outline() if last[0] else "(unread)"
            raise AssertionError(f"{failure}; the tree:\n{shown}") from None

    def wait_for_element(self, role=None, name=None, description=None, shown=True, timeout=15.0):
        """The one element that matches, once it is there."""
        return self.wait_for(lambda root: root.find(role, name, description, shown), timeout,
                             f"a {role or 'element'} named {name!r}")

    def press(self, role, name, description=None, shown=True):
        """Runs the Press action of the one element that matches, once it is
        there, and returns that element."""
        element = self.wait_for_element(role, name, description, shown)
        element.do_action("Press")
        return element

    def focus_cycle(self, press_tab, limit=60):
        """The elements that take the keyboard, in order, as `press_tab()` is
        called until the first one comes round again."""
        candidates = [node for node in self.read().walk() if "focusable" in node.states]

        def focused():
            now = [node for node in candidates if "focused" in node.read_states()]
            return now[0] if now else None
        order = []
        for _ in range(limit):
            press_tab()
            current = focused()
            if current is not None and order and current.path == order[0].path:
                return order
            if current is not None and (not order or current.path != order[-1].path):
                order.append(current)
        raise AssertionError(f"the Tab key never came back to {order[:1]} after {limit} presses: {order}")


def unnamed_controls(root):
    """Elements a person acts on whose name is empty or blank, hidden ones
    included."""
    return [node for node in root.walk() if node.role in INTERACTIVE_ROLES and not node.name.strip()]


class ScreenReaderDesktopTest(DesktopTest):
    """A desktop test whose programs are read over one accessibility bus."""

    @classmethod
    def setUpClass(cls):
        cls.a11y = AccessibilityBus()

    @classmethod
    def tearDownClass(cls):
        cls.a11y.close()

    def open_panel(self):
        """Starts the program, opens its panel and returns it with its tree."""
        program = self.start(PROGRAM_ENV)
        tree = self.a11y.application(program.process.pid)
        program.click_tray()
        return program, tree
