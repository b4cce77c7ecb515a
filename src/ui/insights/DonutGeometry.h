// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace tabrino {

// The spend-by-category ring as shapes: one sector per value, its angle
// proportional to the value, drawn inside a square of `kSize` points as an
// SVG path. Neighbouring sectors are `kGap` points apart (a gap of even width
// from the inner to the outer edge) and every corner is rounded. A sector too
// thin for the full gap and corners gives up some of both so that it still
// shows as a sliver instead of turning inside out.
class DonutGeometry {
public:
    static constexpr double kSize = 132;
    static constexpr double kInnerRatio = 0.72;
    static constexpr double kGap = 1.2;
    static constexpr double kCornerRadius = 2;

    static constexpr double outerRadius() { return kSize / 2; }
    static constexpr double innerRadius() { return outerRadius() * kInnerRatio; }

    struct Sector {
        // The value's share of the circle, in degrees clockwise from twelve
        // o'clock.
        double startAngle = 0;
        double endAngle = 0;
        // The only sector: a closed ring with no edges.
        bool isFullRing = false;
        // How far each straight edge lies inside the share's boundary, and
        // the radius its corners are rounded with, in points.
        double edgeOffset = 0;
        double cornerRadius = 0;
        // Where the straight edges meet the outer and the inner circle, in
        // degrees as above.
        double outerStart = 0;
        double outerEnd = 0;
        double innerStart = 0;
        double innerEnd = 0;
        QString path;
    };

    // Values below zero count as zero; a zero value gets an empty sector
    // with no path. All zero (or none): no sectors.
    static QList<Sector> sectors(const QList<double>& values);

private:
    static Sector sector(double startAngle, double endAngle);
    static QString ringPath();
};

}  // namespace tabrino
