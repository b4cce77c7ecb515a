# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pointer for a wlroots compositor, through its zwlr_virtual_pointer_v1
protocol. A headless sway has no input devices: until a client such as this
one makes one, the seat has no pointer and no client, waybar included, can
be clicked."""
import struct
import time

from input_codes import BUTTON_LEFT
from wayland import WaylandConnection


class VirtualPointer:
    def __init__(self, runtime_dir, display, width, height):
        self.width, self.height = width, height
        self.wayland = WaylandConnection(runtime_dir, display)
        manager = self.wayland.bind("zwlr_virtual_pointer_manager_v1", 1)
        self.pointer = self.wayland.new_id()
        self.wayland.send(manager, 0, struct.pack("<II", 0, self.pointer))  # create_virtual_pointer, any seat
        self.wayland.roundtrip()

    def close(self):
        self.wayland.close()

    def click(self, x, y):
        """Moves to (x, y) in output pixels and clicks the left button."""
        self._motion(x, y)
        for state in (1, 0):
            self.wayland.send(self.pointer, 2, struct.pack("<III", self._time(), BUTTON_LEFT, state))
            self.wayland.send(self.pointer, 4)  # frame
        self.wayland.roundtrip()

    def move(self, x, y):
        self._motion(x, y)
        self.wayland.roundtrip()

    def _motion(self, x, y):
        self.wayland.send(self.pointer, 1, struct.pack("<IIIII", self._time(), x, y, self.width, self.height))
        self.wayland.send(self.pointer, 4)  # frame

    @staticmethod
    def _time():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF
