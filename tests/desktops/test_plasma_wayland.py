# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program in KDE Plasma 5.27 on Wayland, through its Xwayland."""
import unittest

from checks import shell_test
from shells import PlasmaWayland

PlasmaWaylandTest = shell_test(PlasmaWayland, ["kwin_wayland", "Xwayland", "kded5", "plasmashell", "xdotool", "xprop"],
                               in_every_suite=False)

if __name__ == "__main__":
    unittest.main()
