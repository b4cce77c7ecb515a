"""Pointer and keys for GNOME Shell on Wayland, through Mutter's
RemoteDesktop D-Bus API: the one way in for input there without a device
node. A session without a screencast stream takes relative motion only, so
the pointer is first pushed into the bottom-left corner and moved from there."""
import time

import dbus

SERVICE = "org.gnome.Mutter.RemoteDesktop"
BUTTON_LEFT = 0x110  # BTN_LEFT in linux/input-event-codes.h

# Linux key codes (linux/input-event-codes.h) of the keys the tests press,
# named as xdotool names them.
KEY_CODES = {"Escape": 1, "Tab": 15, "Return": 28, "ctrl": 29, "shift": 42, "space": 57, "Up": 103,
             "Down": 108, "Left": 105, "Right": 106}
for row, first in (("1234567890", 2), ("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44)):
    KEY_CODES.update({key: first + offset for offset, key in enumerate(row)})


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
            self.session.NotifyPointerButton(BUTTON_LEFT, pressed)
            time.sleep(0.05)

    def key(self, name):
        """Presses `name`, with its modifiers ("ctrl+n")."""
        *modifiers, key = name.split("+")
        codes = [KEY_CODES[part] for part in modifiers] + [KEY_CODES[key]]
        for code in codes:
            self.session.NotifyKeyboardKeycode(dbus.UInt32(code), True)
        for code in reversed(codes):
            self.session.NotifyKeyboardKeycode(dbus.UInt32(code), False)
