// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DisplayServerChoice.h"

#include <gtest/gtest.h>

using namespace tabrino;

TEST(DisplayServerChoiceTest, waylandDesktopsRunOnXWaylandUnlessSwayCanPlaceTheWindow)
{
    using Environment = DisplayServerChoice::Environment;
    // GNOME and Plasma: XWayland, where the panel can be placed and kept out of the task bar.
    EXPECT_EQ(DisplayServerChoice::platformFor(Environment{false, true, true, false}), "xcb;wayland");
    // sway: its IPC places the panel.
    EXPECT_EQ(DisplayServerChoice::platformFor(Environment{false, true, true, true}), "wayland;xcb");
    EXPECT_EQ(DisplayServerChoice::platformFor(Environment{false, true, false, true}), "wayland;xcb");
    // No XWayland and no sway: nothing better than Qt's own choice.
    EXPECT_EQ(DisplayServerChoice::platformFor(Environment{false, true, false, false}), "");
    // X11 sessions, and the user's own choice, are left alone.
    EXPECT_EQ(DisplayServerChoice::platformFor(Environment{false, false, true, false}), "");
    EXPECT_EQ(DisplayServerChoice::platformFor(Environment{true, true, true, false}), "");
    EXPECT_EQ(DisplayServerChoice::platformFor(Environment{true, true, true, true}), "");
}
