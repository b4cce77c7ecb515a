// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// Rows entering and leaving a list: the rowSpring spring, or no motion when
// the desktop asks for reduced motion.
NumberAnimation {
    duration: Theme.reduceMotion ? 0 : Theme.rowSpringMs
    easing: Theme.rowSpring
}
