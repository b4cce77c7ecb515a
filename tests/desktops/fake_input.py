# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Pointer and keys for KWin on Wayland, through its org_kde_kwin_fake_input
protocol: the one way in for input there without a device node. KWin lets
any client use it when started with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1."""
import struct
import time

import input_codes
from wayland import WaylandConnection, fixed, string


class FakeInput:
    def __init__(self, runtime_dir, display):
        self.wayland = WaylandConnection(runtime_dir, display)
        self.input = self.wayland.bind("org_kde_kwin_fake_input", 4)
        self.wayland.send(self.input, 0, string("Tabrino's tests") + string("to click and type as a person"))
        self.wayland.roundtrip()

    def close(self):
        self.wayland.close()

    def move(self, x, y):
        self.wayland.send(self.input, 9, fixed(x) + fixed(y))  # pointer_motion_absolute
        self.wayland.roundtrip()

    def click(self, x, y):
        self.move(x, y)
        for state in (1, 0):
            self.wayland.send(self.input, 2, struct.pack("<II", input_codes.BUTTON_LEFT, state))  # button
            self.wayland.roundtrip()
            time.sleep(0.05)

    def key(self, name):
        """Presses `name`, with its modifiers ("ctrl+n")."""
        input_codes.press(name, self._key)
        self.wayland.roundtrip()

    def _key(self, code, pressed):
        self.wayland.send(self.input, 10, struct.pack("<II", code, int(pressed)))  # keyboard_key

