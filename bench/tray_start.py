#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start, memory and panel opening of the real program, with N subscriptions.

Stands in for the desktop's tray host (a StatusNotifierWatcher) and its
notification server on the session bus, starts `tabrino` in a fresh home
folder (holding a copy of a data folder that bench_seed filled with N
subscriptions with ten-year histories, when N > 0), and reports for each run:
  - start to tray item registered,
  - resident memory 4 s after the start, the panel never opened,
  - tray Activate to the panel window mapped on the X server, the first time
    (which builds the panel) and later times (median of the reopenings),
  - resident memory 2 s after the panel first opened,
then the median of the runs. One run that is not counted comes first, so
every counted run finds the caches (fonts, QML) as a daily start would.
Run inside a private session bus and X server:
  dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24" \\
      /usr/bin/python3 bench/tray_start.py build-release/src/app/tabrino --subscriptions 1000
Uses Debian's python3-dbus, python3-gi and xdotool, and libX11 through ctypes."""
import argparse
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

# The end-to-end tests' stand-ins for the tray host and the notification server.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tests", "e2e"))
from desktop import ITEM, NOTIFICATIONS, WATCHER, NotificationServer, Watcher  # noqa: E402

IDLE_SECONDS = 4.0
OPEN_SECONDS = 2.0
REOPENINGS = 5


class MapWatch:
    """Top-level windows mapped and unmapped on the X display, with the time
    each event was read (the X connection is watched by the GLib loop, so
    events are read as they arrive)."""

    MAP_NOTIFY, UNMAP_NOTIFY = 19, 18
    SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

    def __init__(self):
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XFlush.argtypes = [ctypes.c_void_p]
        self.x = x
        self.display = x.XOpenDisplay(None)
        if not self.display:
            sys.exit("no X display: run under xvfb-run")
        x.XSelectInput(self.display, x.XDefaultRootWindow(self.display), self.SUBSTRUCTURE_NOTIFY_MASK)
        x.XFlush(self.display)
        self.events = []  # (time, "map" | "unmap", window)
        GLib.io_add_watch(x.XConnectionNumber(self.display), GLib.IO_IN, self._read)

    def _read(self, *_):
        event = (ctypes.c_long * 24)()  # an XEvent
        while self.x.XPending(self.display):
            self.x.XNextEvent(self.display, event)
            kind = event[0] & 0xFFFFFFFF
            if kind in (self.MAP_NOTIFY, self.UNMAP_NOTIFY):
                # XMapEvent / XUnmapEvent: type, serial, send_event, display, event, window.
                self.events.append((time.monotonic(), "map" if kind == self.MAP_NOTIFY else "unmap", event[5]))
        return True

    def since(self, index, kind):
        return next((e for e in self.events[index:] if e[1] == kind), None)


def run_until(condition, timeout):
    """Runs the loop until `condition()` gives a value; None after `timeout` s."""
    context = GLib.MainContext.default()
    timeout = max(timeout, 0)
    end = time.monotonic() + timeout
    GLib.timeout_add(int(timeout * 1000) + 1, lambda: False)  # wakes the loop at the end
    while True:
        value = condition()
        if value is not None or time.monotonic() >= end:
            return value
        context.iteration(True)


def pause(seconds):
    run_until(lambda: None, seconds)


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def activate(bus, service, windows, expected):
    """Sends the tray item's Activate and waits for the panel window to be
    mapped or unmapped; the milliseconds it took, or None."""
    index = len(windows.events)
    # Without introspection, which would hold the call back for a round trip.
    item = bus.get_object(service, "/StatusNotifierItem", introspect=False)
    started = time.monotonic()
    item.Activate(dbus.Int32(640), dbus.Int32(2), dbus_interface=ITEM,
                  reply_handler=lambda: None, error_handler=lambda error: None)
    event = run_until(lambda: windows.since(index, expected), 30)
    return None if event is None else (event[0] - started) * 1000


def one_run(binary, seeded, cache, bus, watcher, windows):
    watcher.registered = None
    with tempfile.TemporaryDirectory(prefix="tabrino-bench-") as home:
        if seeded:
            shutil.copytree(seeded, f"{home}/data", symlinks=True)
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=f"{home}/data", XDG_CONFIG_HOME=f"{home}/config",
                   XDG_CACHE_HOME=cache, XDG_CURRENT_DESKTOP="KDE", QT_QPA_PLATFORM="xcb")
        with open(f"{cache}/program.log", "a") as log:
            started = time.monotonic()
            program = subprocess.Popen([binary], env=env, stdout=log, stderr=log)
        result = {}
        try:
            if run_until(lambda: watcher.registered, 30) is None:
                raise RuntimeError("the item never registered")
            registered_at, service = watcher.registered
            result["start"] = (registered_at - started) * 1000
            pause(started + IDLE_SECONDS - time.monotonic())
            result["idle"] = resident_mb(program.pid)

            mapped = len(windows.events)
            result["first"] = activate(bus, service, windows, "map")
            if result["first"] is None:
                raise RuntimeError("the panel never opened")
            panel = windows.since(mapped, "map")[2]
            name = subprocess.run(["xdotool", "getwindowname", str(panel)], capture_output=True, text=True)
            if name.stdout.strip() != "Tabrino":
                raise RuntimeError(f"the window mapped was {name.stdout.strip()!r}, not the panel")
            pause(OPEN_SECONDS)
            result["open"] = resident_mb(program.pid)
            later = []
            for _ in range(REOPENINGS):
                if activate(bus, service, windows, "unmap") is None:
                    raise RuntimeError("the panel never closed")
                pause(0.5)
                later.append(activate(bus, service, windows, "map"))
                pause(0.5)
            if None in later:
                raise RuntimeError("the panel did not reopen")
            result["later"] = statistics.median(later)
            result["reopened"] = resident_mb(program.pid)
        except RuntimeError as error:
            with open(f"{cache}/program.log") as log:
                raise RuntimeError(f"{error}; the program wrote:\n{log.read()[-2000:]}") from None
        finally:
            program.terminate()
            program.wait()
        return result


def seed(seeder, count, folder):
    subprocess.run([seeder, folder, str(count)], check=True, stdout=subprocess.DEVNULL)
    return folder


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary", help="the tabrino program")
    parser.add_argument("--subscriptions", type=int, default=0, help="how many to seed (0: a fresh data folder)")
    parser.add_argument("--runs", type=int, default=5, help="counted runs (default 5)")
    parser.add_argument("--seeder", help="bench_seed (default: bench/bench_seed in the program's build folder)")
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    seeder = args.seeder or os.path.join(os.path.dirname(binary), "..", "..", "bench", "bench_seed")

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    names = [dbus.service.BusName(WATCHER, bus), dbus.service.BusName(NOTIFICATIONS, bus)]
    watcher = Watcher(bus)
    NotificationServer(bus)
    windows = MapWatch()

    columns = [("start", "start to tray item, ms"), ("idle", "idle RSS, MB"), ("first", "first Activate to map, ms"),
               ("later", "later Activate to map, ms"), ("open", "RSS panel open, MB"),
               ("reopened", f"RSS after {REOPENINGS} reopenings, MB")]
    with tempfile.TemporaryDirectory(prefix="tabrino-bench-") as work:
        seeded = seed(seeder, args.subscriptions, f"{work}/seeded") if args.subscriptions > 0 else None
        os.makedirs(f"{work}/cache")
        load_before = os.getloadavg()
        one_run(binary, seeded, f"{work}/cache", bus, watcher, windows)  # fills the caches; not counted
        runs = []
        for number in range(1, args.runs + 1):
            runs.append(one_run(binary, seeded, f"{work}/cache", bus, watcher, windows))
            print(f"run {number}: " + ", ".join(f"{title} {runs[-1][key]:.1f}" for key, title in columns),
                  flush=True)
        load_after = os.getloadavg()

    print(f"\n{args.subscriptions} subscriptions, median of {len(runs)} runs "
          f"(load average 1 min {load_before[0]:.2f} before, {load_after[0]:.2f} after):")
    for key, title in columns:
        print(f"  {title}: {statistics.median(r[key] for r in runs):.1f}")
    del names


if __name__ == "__main__":
    main()
