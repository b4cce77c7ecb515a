// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Tabrino.Design

// A button's press: a quick spring, nothing with reduced motion.
NumberAnimation {
    duration: Theme.reduceMotion ? 0 : Theme.pressMs
    easing: Theme.press
}
