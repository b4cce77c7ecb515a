# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program in GNOME Shell 43 on X11, with the AppIndicator extension."""
import unittest

from checks import shell_test
from shells import GnomeX11

GnomeX11Test = shell_test(GnomeX11, ["Xvfb", "gnome-shell", "gsettings", "xdotool", "xprop", "import"],
                          in_every_suite=False)

if __name__ == "__main__":
    unittest.main()
