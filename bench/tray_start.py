#!/usr/bin/python3
"""Start to tray item, and idle memory, of the real program.

Stands in for the desktop's tray host (a StatusNotifierWatcher on the session
bus), starts `tabrino` in a fresh data folder, and reports how long after the
start the item registered and how much memory the program holds a few seconds
later, with the panel never opened. Run inside a private session and display:
  dbus-run-session -- xvfb-run -a /usr/bin/python3 bench/tray_start.py build/src/app/tabrino
Uses Debian's python3-dbus and python3-gi."""
import os
import subprocess
import sys
import tempfile
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.registered_at = None

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierItem(self, service):
        if self.registered_at is None:
            self.registered_at = time.monotonic()

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": 0,
                "RegisteredStatusNotifierItems": dbus.Array([], signature="s")}[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": 0}


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return -1


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(WATCHER, bus)
    watcher = Watcher(bus)
    loop = GLib.MainLoop()
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, XDG_DATA_HOME=f"{home}/data", XDG_CONFIG_HOME=f"{home}/config",
                   XDG_CURRENT_DESKTOP="KDE")
        started = time.monotonic()
        program = subprocess.Popen([sys.argv[1]], env=env)
        GLib.timeout_add(4000, loop.quit)
        loop.run()
        if watcher.registered_at is None:
            print("the item never registered")
        else:
            print(f"start to tray item registered: {(watcher.registered_at - started) * 1000:.0f} ms")
        print(f"resident 4 s after start, panel never opened: {resident_mb(program.pid):.1f} MB")
        program.terminate()
        program.wait()
    del name


if __name__ == "__main__":
    main()
