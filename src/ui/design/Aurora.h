// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QList>

namespace tabrino {

// The panel's palette: the one definition of every colour the presenters
// use, and of the hues Theme's colours are made of.
struct Aurora {
    static QColor rgb(double r, double g, double b) { return QColor::fromRgbF(float(r), float(g), float(b)); }
    static QColor white(double opacity) { return QColor::fromRgbF(1, 1, 1, float(opacity)); }
    static QColor black(double opacity) { return QColor::fromRgbF(0, 0, 0, float(opacity)); }
    static QColor withAlpha(QColor colour, double opacity)
    {
        colour.setAlphaF(float(opacity));
        return colour;
    }

    static QColor panelTop() { return rgb(32 / 255.0, 34 / 255.0, 48 / 255.0); }
    static QColor panelBottom() { return rgb(21 / 255.0, 22 / 255.0, 32 / 255.0); }
    static QColor red() { return rgb(1.0, 0.54, 0.5); }
    static QColor redDeep() { return rgb(1.0, 0.48, 0.44); }
    static QColor amber() { return rgb(1.0, 0.78, 0.42); }
    static QColor deltaArrow() { return rgb(0.91, 0.64, 0.57); }
    // The arrow of a fall in spending.
    static QColor deltaArrowDown() { return rgb(0.63, 0.85, 0.66); }
    static QColor violet() { return rgb(0.72, 0.65, 1.0); }
    static QColor violetDeep() { return rgb(0.49, 0.42, 0.94); }
    static QColor heroGlow() { return rgb(150 / 255.0, 160 / 255.0, 1.0); }
    static QColor textPrimary() { return white(0.94); }
    static QColor textTertiary() { return white(0.42); }
    // The trial badge's chip.
    static QColor trialChip() { return rgb(1.0, 0.27, 0.23); }

    static QList<QColor> donutRamp()
    {
        return {rgb(0.61, 0.54, 1.0),  rgb(0.5, 0.47, 0.91),  rgb(0.42, 0.42, 0.77),
                rgb(0.35, 0.37, 0.62), rgb(0.43, 0.48, 0.59), rgb(0.29, 0.32, 0.4)};
    }
};

}  // namespace tabrino
