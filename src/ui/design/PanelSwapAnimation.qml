// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// Screen and stage changes, plan selection, segment changes: the panelSwap
// spring, or no motion at all when the desktop asks for reduced motion.
NumberAnimation {
    duration: Theme.reduceMotion ? 0 : Theme.panelSwapMs
    easing: Theme.panelSwap
}
