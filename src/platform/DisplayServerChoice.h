// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace tabrino {

// Which of Qt's platform plugins the program runs on, decided before the
// application object exists. Under Wayland a client cannot place its own
// windows or keep them out of the task bar, so the panel would open at the
// compositor's whim and be listed as an application window. Where the
// compositor speaks sway's IPC we place it through that and stay on
// Wayland; everywhere else (GNOME, Plasma) the program runs on XWayland,
// where positions and the task-bar hints are honoured. The user's own
// QT_QPA_PLATFORM always wins.
class DisplayServerChoice {
public:
    DisplayServerChoice() = delete;

    struct Environment {
        bool platformChosen = false;  // QT_QPA_PLATFORM is set
        bool wayland = false;         // WAYLAND_DISPLAY is set
        bool x11 = false;             // DISPLAY is set (XWayland runs)
        bool swayIpc = false;         // $SWAYSOCK accepts connections
    };

    // The QT_QPA_PLATFORM to set; empty to leave Qt's own choice.
    static QByteArray platformFor(const Environment& environment);
    // Reads the process's environment and sets QT_QPA_PLATFORM accordingly;
    // true when it set it.
    static bool apply();
    // Takes back what apply() set once Qt has read it, so the programs this
    // one starts (a browser for a cancellation page) choose for themselves.
    static void forget();
};

}  // namespace tabrino
