// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/SpringEasing.h"

#include <cmath>
#include <numbers>

namespace tabrino {

namespace {

constexpr double kRemainder = 0.001;

template <double Response, double Damping>
qreal ease(qreal progress)
{
    const double duration = SpringEasing::settleSeconds(Response, Damping);
    const double end = SpringEasing::position(Response, Damping, duration);
    // The little left at the end is spread over the run so that it ends at 1.
    return SpringEasing::position(Response, Damping, progress * duration) + (1.0 - end) * progress;
}

template <double Response, double Damping>
QEasingCurve curve()
{
    QEasingCurve easing;
    easing.setCustomType(&ease<Response, Damping>);
    return easing;
}

int milliseconds(double seconds)
{
    return static_cast<int>(std::lround(seconds * 1000));
}

}  // namespace

double SpringEasing::position(double response, double damping, double seconds)
{
    const double omega = 2 * std::numbers::pi / response;
    const double decay = damping * omega;
    const double envelope = std::exp(-decay * seconds);
    if (damping >= 1)
        return 1 - envelope * (1 + omega * seconds);
    const double omegaD = omega * std::sqrt(1 - damping * damping);
    return 1 - envelope * (std::cos(omegaD * seconds) + decay / omegaD * std::sin(omegaD * seconds));
}

double SpringEasing::settleSeconds(double response, double damping)
{
    const double omega = 2 * std::numbers::pi / response;
    // The oscillation's amplitude is at most 1 / sqrt(1 - ζ²) times the envelope.
    const double amplitude = damping < 1 ? 1 / std::sqrt(1 - damping * damping) : 1;
    return std::log(amplitude / kRemainder) / (damping * omega);
}

QEasingCurve SpringEasing::panelSwap()
{
    return curve<0.32, 0.86>();
}

int SpringEasing::panelSwapMs()
{
    return milliseconds(settleSeconds(0.32, 0.86));
}

QEasingCurve SpringEasing::rowSpring()
{
    return curve<0.38, 0.82>();
}

int SpringEasing::rowSpringMs()
{
    return milliseconds(settleSeconds(0.38, 0.82));
}

QEasingCurve SpringEasing::press()
{
    return curve<0.25, 0.7>();
}

int SpringEasing::pressMs()
{
    return milliseconds(settleSeconds(0.25, 0.7));
}

}  // namespace tabrino
