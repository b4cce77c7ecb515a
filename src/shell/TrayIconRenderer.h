// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace tabrino {

// Draws the tray item's image in one colour on a transparent background:
// the credit-card symbol, the monthly total, the renewal dot, or a mix.
// Trays that draw no text label get the total inside the image: beside the
// symbol in a wide image where the tray keeps an image's width, else alone
// in the square, as large as it fits. The dot sits at the top right with a
// clear ring cut around it so it stays legible over what is beneath.
class TrayIconRenderer {
public:
    TrayIconRenderer() = delete;

    enum class Shape { Square, Wide };

    struct Content {
        bool symbol = true;
        bool dot = false;
        // The amount in its forms from the fullest to the shortest ("$1,234",
        // "1,234", "1.2K"); a square takes the first that fits legibly, a wide
        // image the first. Empty: no amount.
        QStringList texts;
        // Wide images are as wide as the symbol and text need.
        Shape shape = Shape::Square;

        friend bool operator==(const Content&, const Content&) = default;
    };

    // One image `height` pixels high, ARGB32 premultiplied.
    static QImage render(int height, const QColor& foreground, const Content& content);
    // `render` for each of `heights`.
    static QList<QImage> renderSizes(const QList<int>& heights, const QColor& foreground, const Content& content);

    // Centre and diameter of the dot beside the symbol in a `size` square.
    static QPointF dotCentre(int size);
    static qreal dotDiameter(int size);
    // Over the amount in a square the dot takes the very corner, leaving the
    // figures as much height as it can.
    static QPointF cornerDotCentre(int size);

    // The form of the amount a `size` square shows, with or without the
    // dot: the fullest whose figures stand at least half the square high,
    // else the one drawn largest.
    static QString squareText(int size, const QStringList& texts, bool dot = false);
};

}  // namespace tabrino
