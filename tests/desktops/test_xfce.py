# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program in XFCE 4.18 on X11, its panel along the bottom edge."""
import unittest

from checks import shell_test
from shells import Xfce

XfceTest = shell_test(Xfce, ["Xvfb", "xfwm4", "xfce4-panel", "xfsettingsd", "xdotool", "xprop", "import"])

if __name__ == "__main__":
    unittest.main()
