# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Pointer and keys for GNOME Shell on Wayland, through Mutter's
RemoteDesktop D-Bus API: the one way in for input there without a device
node. A session without a screencast stream takes relative motion only, so
the pointer is first pushed into the bottom-left corner and moved from there."""
import time

import dbus

import input_codes

SERVICE = "org.gnome.Mutter.RemoteDesktop"


class RemoteDesktop:
    def __init__(self, bus, height):
        self.height = height
        desktop = dbus.Interface(bus.get_object(SERVICE, "/org/gnome/Mutter/RemoteDesktop"), SERVICE)
        path = desktop.CreateSession()
        self.session = dbus.Interface(bus.get_object(SERVICE, path), SERVICE + ".Session")
        self.session.Start()

    def close(self):
        try:
            self.session.Stop()
        except dbus.DBusException:
            pass  # the shell is gone already

    def move(self, x, y):
        self.session.NotifyPointerMotionRelative(-20000.0, 20000.0)
        self.session.NotifyPointerMotionRelative(float(x), float(y - (self.height - 1)))

    def click(self, x, y):
        self.move(x, y)
        for pressed in (True, False):
            self.session.NotifyPointerButton(input_codes.BUTTON_LEFT, pressed)
            time.sleep(0.05)

    def key(self, name):
        """Presses `name`, with its modifiers ("ctrl+n")."""
        input_codes.press(name, lambda code, pressed: self.session.NotifyKeyboardKeycode(dbus.UInt32(code), pressed))
