// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWindow;

namespace tabrino {

// Keeps a window out of task bars and pagers on X11 (and XWayland): sets
// _NET_WM_STATE to skip both on the window while it is hidden, which Qt
// merges with its own states when it maps the window. Window managers drop
// the property when a window is withdrawn (KWin does), so it is set before
// every show. Does nothing on other platforms.
class X11SkipTaskbar {
public:
    X11SkipTaskbar() = delete;

    static void apply(QWindow& window);
};

}  // namespace tabrino
