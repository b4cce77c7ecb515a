// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEasingCurve>

namespace tabrino {

// A damped spring as an easing curve over a fixed duration. A spring is
// given as its response (the period of the undamped oscillation, in seconds)
// and its damping fraction; mass 1, stiffness (2π / response)², starting at
// rest. The curve is the spring's exact step response, run until what is
// left of its motion is under a thousandth of the distance, and scaled to end
// exactly at 1. Qt Quick's SpringAnimation follows the value instead and has
// no notion of response, so the panel animates with these curves.
class SpringEasing {
public:
    SpringEasing() = delete;

    // Screen and stage changes, plan selection, segment changes: 0.32 s, 0.86.
    static QEasingCurve panelSwap();
    static int panelSwapMs();
    // List rows appearing and leaving, restore from archive: 0.38 s, 0.82.
    static QEasingCurve rowSpring();
    static int rowSpringMs();
    // The prominent button's press: 0.25 s, 0.7.
    static QEasingCurve press();
    static int pressMs();

    // The step response of a spring at `seconds`, unscaled.
    static double position(double response, double damping, double seconds);
    // How long the spring takes to come within a thousandth of its target.
    static double settleSeconds(double response, double damping);
};

}  // namespace tabrino
