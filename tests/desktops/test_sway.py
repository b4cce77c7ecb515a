# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program in sway 1.7 with waybar's tray along the bottom edge."""
import unittest

from checks import shell_test
from shells import Sway

SwayTest = shell_test(Sway, ["sway", "waybar", "grim", "wtype", "swaymsg"])

if __name__ == "__main__":
    unittest.main()
