# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program in GNOME Shell 43 on Wayland, with the AppIndicator extension."""
import unittest

from checks import shell_test
from shells import GnomeWayland

GnomeWaylandTest = shell_test(GnomeWayland, ["gnome-shell", "Xwayland", "gsettings", "gnome-screenshot", "xdotool",
                                             "xprop"], in_every_suite=False)

if __name__ == "__main__":
    unittest.main()
