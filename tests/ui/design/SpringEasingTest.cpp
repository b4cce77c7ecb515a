// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/SpringEasing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using tabrino::SpringEasing;

TEST(SpringEasing, CurvesStartAtZeroSettleQuicklyAndEndExactlyAtOne)
{
    const struct {
        const char* name;
        QEasingCurve curve;
        int ms;
        double response, damping, maxOvershoot;
    } springs[] = {{"panelSwap", SpringEasing::panelSwap(), SpringEasing::panelSwapMs(), 0.32, 0.86, 0.01},
                   {"rowSpring", SpringEasing::rowSpring(), SpringEasing::rowSpringMs(), 0.38, 0.82, 0.015},
                   {"press", SpringEasing::press(), SpringEasing::pressMs(), 0.25, 0.7, 0.05}};
    for (const auto& spring : springs) {
        SCOPED_TRACE(spring.name);
        EXPECT_NEAR(spring.curve.valueForProgress(0.0), 0.0, 1e-12);
        // Exactly 1, or the animated property stops a hair short of its target.
        EXPECT_EQ(spring.curve.valueForProgress(1.0), 1.0);
        double highest = 0, lowest = 1;
        for (int step = 1; step < 1000; ++step) {
            highest = std::max(highest, spring.curve.valueForProgress(step / 1000.0));
            lowest = std::min(lowest, spring.curve.valueForProgress(step / 1000.0));
        }
        EXPECT_GE(lowest, 0.0);
        EXPECT_GT(highest, 1.0);  // underdamped: it does swing past
        EXPECT_LT(highest, 1.0 + spring.maxOvershoot);
        // Fast at first, as a spring is: most of the way is done by half time.
        EXPECT_LT(spring.curve.valueForProgress(0.05), 0.2);
        EXPECT_GT(spring.curve.valueForProgress(0.5), 0.9);

        // The run ends once the motion stays within a thousandth of the target.
        const double settle = SpringEasing::settleSeconds(spring.response, spring.damping);
        EXPECT_EQ(spring.ms, std::lround(settle * 1000));
        EXPECT_GT(spring.ms, spring.response * 1000);
        EXPECT_LT(spring.ms, spring.response * 2000);
        for (double t = settle; t < settle * 3; t += 0.005)
            EXPECT_NEAR(SpringEasing::position(spring.response, spring.damping, t), 1.0, 1e-3) << t;
    }
    EXPECT_GT(SpringEasing::rowSpringMs(), SpringEasing::panelSwapMs());  // the softer, slower one
}
