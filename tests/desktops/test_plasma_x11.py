# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program in KDE Plasma 5.27 on X11."""
import unittest

from checks import shell_test
from shells import PlasmaX11

PlasmaX11Test = shell_test(PlasmaX11, ["Xvfb", "kwin_x11", "kded5", "plasmashell", "xdotool", "xprop", "import"],
                           in_every_suite=False)

if __name__ == "__main__":
    unittest.main()
