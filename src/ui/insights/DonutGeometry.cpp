// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/DonutGeometry.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tabrino {

namespace {

constexpr double kPi = std::numbers::pi;

double radians(double degrees)
{
    return degrees * kPi / 180;
}

double degrees(double radians)
{
    return radians * 180 / kPi;
}

// Screen coordinates (y down) of the point `along` points out from the
// centre in the direction of `angle` (radians clockwise from twelve o'clock)
// and `aside` points further clockwise at right angles to it.
QPointF at(double angle, double along, double aside = 0)
{
    const double c = DonutGeometry::kSize / 2;
    return {c + along * std::sin(angle) + aside * std::cos(angle),
            c - along * std::cos(angle) + aside * std::sin(angle)};
}

class PathWriter {
public:
    void move(QPointF p)
    {
        if (!m_text.isEmpty())
            m_text += u' ';
        m_text += u'M' + point(p);
    }
    void line(QPointF p) { m_text += QStringLiteral(" L") + point(p); }
    // `clockwise` on screen; SVG leaves out an arc whose ends coincide.
    void arc(double radius, bool large, bool clockwise, QPointF p)
    {
        m_text +=
            QStringLiteral(" A%1 %1 0 %2 %3 ").arg(number(radius)).arg(large ? 1 : 0).arg(clockwise ? 1 : 0) + point(p);
    }
    void close() { m_text += QStringLiteral(" Z"); }
    QString text() const { return m_text; }

private:
    static QString number(double value) { return QString::number(value, 'f', 3); }
    static QString point(QPointF p) { return number(p.x()) + u' ' + number(p.y()); }

    QString m_text;
};

}  // namespace

QList<DonutGeometry::Sector> DonutGeometry::sectors(const QList<double>& values)
{
    double total = 0;
    qsizetype shown = 0;
    for (double value : values) {
        if (value > 0) {
            total += value;
            ++shown;
        }
    }
    QList<Sector> result;
    if (!(total > 0) || !std::isfinite(total))
        return result;
    double before = 0;
    for (double value : values) {
        const double share = std::max(value, 0.0);
        Sector next;
        next.startAngle = next.endAngle = 360 * before / total;
        if (share > 0) {
            before += share;
            next = sector(next.startAngle, 360 * before / total);
            if (shown == 1) {
                next.isFullRing = true;
                next.path = ringPath();
            }
        }
        result << next;
    }
    return result;
}

DonutGeometry::Sector DonutGeometry::sector(double startAngle, double endAngle)
{
    const double outer = outerRadius();
    const double inner = innerRadius();
    const double a1 = radians(startAngle);
    const double a2 = radians(endAngle);
    const double half = (a2 - a1) / 2;

    // Each edge keeps half the gap from the boundary, as long as the sector
    // keeps at least half its angle at the inner circle, where the gap costs
    // the most angle.
    const double offset = std::min(kGap / 2, inner * std::sin(half / 2));
    // Corners as round as fits: the rounding of the two edges may meet in the
    // middle of an arc but never cross (no limit from 180° on).
    double corner = std::min(kCornerRadius, (outer - inner) / 2);
    if (half < kPi / 2) {
        const double s = std::sin(half);
        corner = std::min({corner, (inner * s - offset) / (1 - s), (outer * s - offset) / (1 + s)});
    }
    corner = std::max(corner, 0.0);

    Sector sector;
    sector.startAngle = startAngle;
    sector.endAngle = endAngle;
    sector.edgeOffset = offset;
    sector.cornerRadius = corner;
    // Where the rounding leaves each circle, as an angle from the edge.
    const double outerTurn = std::asin((offset + corner) / (outer - corner));
    const double innerTurn = std::asin((offset + corner) / (inner + corner));
    sector.outerStart = degrees(a1 + outerTurn);
    sector.outerEnd = degrees(a2 - outerTurn);
    sector.innerStart = degrees(a1 + innerTurn);
    sector.innerEnd = degrees(a2 - innerTurn);

    // How far out along each edge its straight part starts and ends.
    const double edgeOuter = std::sqrt(std::pow(outer - corner, 2) - std::pow(offset + corner, 2));
    const double edgeInner = std::sqrt(std::pow(inner + corner, 2) - std::pow(offset + corner, 2));
    const bool rounded = corner > 0;
    const double outerSpan = radians(sector.outerEnd - sector.outerStart);
    const double innerSpan = radians(sector.innerEnd - sector.innerStart);

    // Clockwise on screen, so every corner turns the same way.
    PathWriter path;
    path.move(at(a1, edgeInner, offset));
    path.line(at(a1, edgeOuter, offset));
    if (rounded)
        path.arc(corner, false, true, at(a1 + outerTurn, outer));
    path.arc(outer, outerSpan > kPi, true, at(a2 - outerTurn, outer));
    if (rounded)
        path.arc(corner, false, true, at(a2, edgeOuter, -offset));
    path.line(at(a2, edgeInner, -offset));
    if (rounded)
        path.arc(corner, false, true, at(a2 - innerTurn, inner));
    path.arc(inner, innerSpan > kPi, false, at(a1 + innerTurn, inner));
    if (rounded)
        path.arc(corner, false, true, at(a1, edgeInner, offset));
    path.close();
    sector.path = path.text();
    return sector;
}

QString DonutGeometry::ringPath()
{
    // Two circles in opposite directions, so any fill rule leaves the hole.
    PathWriter path;
    for (const auto& [radius, clockwise] : {std::pair{outerRadius(), true}, std::pair{innerRadius(), false}}) {
        path.move(at(0, radius));
        path.arc(radius, true, clockwise, at(kPi, radius));
        path.arc(radius, true, clockwise, at(0, radius));
        path.close();
    }
    return path.text();
}

}  // namespace tabrino
