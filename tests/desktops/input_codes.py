# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Linux input event codes (linux/input-event-codes.h) of the button and
keys the tests press, keys named as xdotool names them: the compositors'
input protocols take codes rather than names."""

BUTTON_LEFT = 0x110

KEY_CODES = {"Escape": 1, "Tab": 15, "Return": 28, "ctrl": 29, "shift": 42, "space": 57, "Up": 103,
             "Down": 108, "Left": 105, "Right": 106}
for row, first in (("1234567890", 2), ("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44)):
    KEY_CODES.update({key: first + offset for offset, key in enumerate(row)})


def press(name, send):
    """Presses and releases `name`, with its modifiers ("ctrl+n"), through
    `send(code, pressed)`."""
    *modifiers, key = name.split("+")
    codes = [KEY_CODES[part] for part in modifiers] + [KEY_CODES[key]]
    for code in codes:
        send(code, True)
    for code in reversed(codes):
        send(code, False)
