# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A desktop for the real `tabrino` program, driven from outside it.

Stands in for the desktop's tray host (a StatusNotifierWatcher) and its
notification server on the session bus, starts the program in a fresh data
folder, presses keys on the X display with xdotool, and reads what the
program shows through the tray item's D-Bus properties. Run inside a private
session bus and X server (`dbus-run-session -- xvfb-run -a`).
Uses Debian's python3-dbus, python3-gi, xdotool and faketime."""
import calendar
import datetime
import glob
import os
import shutil
import subprocess
import tempfile
import time
import unittest

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
NOTIFICATIONS = "org.freedesktop.Notifications"

DBusGMainLoop(set_as_default=True)


def pump(seconds=0.0):
    """Lets the doubles answer calls for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def wait_for(condition, timeout=20.0, what="the condition"):
    """Pumps the bus until `condition()` is true; fails after `timeout` s."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


class Watcher(dbus.service.Object):
    """The tray host: remembers the items that register, and when the last did."""

    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []
        self.registered = None  # (monotonic time, service) of the last registration

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        self.items.append(service if service.startswith((":", "org.")) else sender)
        self.registered = (time.monotonic(), self.items[-1])

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": dbus.Int32(0),
                "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s")}


class NotificationServer(dbus.service.Object):
    """The notification server: records what is shown, and can press an action."""

    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.shown = []
        self.next_id = 0

    @dbus.service.method(NOTIFICATIONS, out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body", "persistence"]

    @dbus.service.method(NOTIFICATIONS, out_signature="ssss")
    def GetServerInformation(self):
        return ("e2e", "Tabrino tests", "1", "1.2")

    @dbus.service.method(NOTIFICATIONS, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.next_id += 1
        self.shown.append({"id": self.next_id, "summary": str(summary), "body": str(body),
                           "actions": [str(a) for a in actions]})
        return self.next_id

    @dbus.service.method(NOTIFICATIONS, in_signature="u")
    def CloseNotification(self, notification_id):
        self.NotificationClosed(notification_id, 3)

    @dbus.service.signal(NOTIFICATIONS, signature="uu")
    def NotificationClosed(self, notification_id, reason):
        pass

    @dbus.service.signal(NOTIFICATIONS, signature="us")
    def ActionInvoked(self, notification_id, action_key):
        pass

    def press(self, notification, action_key):
        """Answers a shown notification as a click on one of its actions does."""
        self.ActionInvoked(dbus.UInt32(notification["id"]), action_key)


class Desktop:
    """The session's tray host and notification server, and a home folder."""

    def __init__(self):
        self.bus = dbus.SessionBus()
        self._names = [dbus.service.BusName(WATCHER, self.bus), dbus.service.BusName(NOTIFICATIONS, self.bus)]
        self.watcher = Watcher(self.bus)
        self.notifications = NotificationServer(self.bus)
        self.home = tempfile.mkdtemp(prefix="tabrino-e2e-")

    def close(self):
        for name in self._names:
            self.bus.release_name(name.get_name())
        # dbus-python hands out a live BusName again instead of asking the bus
        # for the name, so a test that keeps its desktop (a failed one does)
        # would leave the next one without a tray host.
        self._names = []
        self.watcher.remove_from_connection()
        self.notifications.remove_from_connection()
        shutil.rmtree(self.home, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.home, *parts)


class Program:
    """One run of the real program in the desktop's home folder."""

    def __init__(self, desktop, extra_env=None):
        self.desktop = desktop
        env = dict(os.environ)
        env.update({"XDG_DATA_HOME": desktop.path("data"), "XDG_CONFIG_HOME": desktop.path("config"),
                    "XDG_CACHE_HOME": desktop.path("cache"), "HOME": desktop.home,
                    "QT_QPA_PLATFORM": "xcb", "XDG_CURRENT_DESKTOP": ""})
        # scripts/test-anytime runs every program at its moment; a test that
        # moves the clock itself says so in `extra_env`.
        if os.environ.get("TABRINO_TEST_FAKETIME"):
            env.update(faked_clock(os.environ["TABRINO_TEST_FAKETIME"]))
        env.update(extra_env or {})
        self.env = env
        seen = len(desktop.watcher.items)
        self.started = time.monotonic()
        with open(desktop.path("program.log"), "a") as log:
            self.process = subprocess.Popen([os.environ["TABRINO_BINARY"]], env=env, stdout=log, stderr=log)
        # Generous: a sanitizer build on a busy machine starts slowly.
        self.service = wait_for(lambda: desktop.watcher.items[seen:] and desktop.watcher.items[-1],
                                timeout=60, what="the tray item to register")

    def item_property(self, name):
        item = self.desktop.bus.get_object(self.service, "/StatusNotifierItem")
        return str(item.Get(ITEM, name, dbus_interface=dbus.PROPERTIES_IFACE))

    def tray_label(self):
        return self.item_property("XAyatanaLabel")

    def wait_for_label(self, label, timeout=20.0):
        wait_for(lambda: self.tray_label() == label, timeout, f"the tray to read {label!r}")

    def click_tray(self):
        item = self.desktop.bus.get_object(self.service, "/StatusNotifierItem")
        item.Activate(dbus.Int32(640), dbus.Int32(2), dbus_interface=ITEM)
        return wait_for(panel_window, what="the panel to open")

    def wait_for_exit(self, timeout=10.0):
        end = time.monotonic() + timeout
        while self.process.poll() is None and time.monotonic() < end:
            pump(0.05)
        if self.process.poll() is None:
            self.process.kill()
            raise AssertionError("the program did not quit")
        return self.process.returncode

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class DesktopTest(unittest.TestCase):
    """A test with a desktop of its own; every program it starts is killed at
    its end if it is still running."""

    def setUp(self):
        self.desktop = Desktop()
        self.programs = []

    def tearDown(self):
        for program in self.programs:
            program.kill()
        self.desktop.close()

    def start(self, extra_env=None):
        program = Program(self.desktop, extra_env)
        self.programs.append(program)
        return program


FAKETIME_LIBRARY = next(iter(glob.glob("/usr/lib/*/faketime/libfaketime.so.1")), None)


def faked_clock(moment, running=True):
    """The environment that starts a program with its wall clock at `moment`
    ("YYYY-MM-DD hh:mm:ss", local time in the zone the tests run in), running
    on from there or standing still.

    libfaketime is preloaded, so the binary under test is the one that ships.
    The monotonic clock stays real: timers and animations keep real time, as
    they do when a machine resumes on a later day."""
    # A sanitizer runtime would insist on coming first among preloaded libraries.
    asan = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "verify_asan_link_order=0"]))
    return {"LD_PRELOAD": FAKETIME_LIBRARY, "FAKETIME": ("@" if running else "") + moment,
            "FAKETIME_DONT_FAKE_MONOTONIC": "1", "ASAN_OPTIONS": asan}


def program_today(program):
    """The local date `program` sees now: under scripts/test-anytime its clock
    started at the run's moment when it started, else it is today."""
    moment = os.environ.get("TABRINO_TEST_FAKETIME")
    if not moment:
        return datetime.date.today()
    started = datetime.datetime.strptime(moment, "%Y-%m-%d %H:%M:%S")
    return (started + datetime.timedelta(seconds=time.monotonic() - program.started)).date()


def days_to_a_month_ahead(program):
    """Days from `program`'s today to the same day next month (the month's
    last day where it is shorter): when a monthly subscription added today
    renews."""
    today = program_today(program)
    year, month = today.year + today.month // 12, today.month % 12 + 1
    ahead = datetime.date(year, month, min(today.day, calendar.monthrange(year, month)[1]))
    return (ahead - today).days


def utc_text(moment):
    """The local `moment` ("YYYY-MM-DD hh:mm:ss") as the exports write an
    instant: ISO 8601 in UTC with a Z."""
    local = datetime.datetime.strptime(moment, "%Y-%m-%d %H:%M:%S").astimezone()
    return local.astimezone(datetime.timezone.utc).strftime("%Y-%m-%dT%H:%M:%SZ")


def panel_window():
    """The id of the shown panel window, or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tabrino$"],
                           capture_output=True, text=True)
    ids = found.stdout.split()
    return ids[0] if ids else None


def keys(*names, pause=0.25):
    """Presses keys on the focused window, each like xdotool names it."""
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        pump(pause)


def type_text(text, pause=0.4):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
    pump(pause)


def save_through_the_dialog(path):
    """Presses the focused export button and answers its save dialog with
    `path`, typed over the proposed name; returns once the file is there."""
    keys("space", pause=1.0)
    keys("ctrl+a")
    type_text(path)
    keys("Return", pause=1.0)
    wait_for(lambda: os.path.exists(path), what=f"{path} to be written")
    return path
