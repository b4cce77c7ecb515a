#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace tabrino {

// Draws the tray icon: the credit-card symbol, the renewal dot, both or
// neither, in one colour on a transparent square. The dot sits at the top
// right, raised above the centre line, with a clear ring cut around it so it
// stays legible over the card.
class TrayIconRenderer {
public:
    TrayIconRenderer() = delete;

    // One `size` × `size` image, ARGB32 premultiplied.
    static QImage render(int size, const QColor& foreground, bool drawsSymbol, bool drawsDot);

    // `render` for each of `sizes`.
    static QList<QImage> renderSizes(const QList<int>& sizes, const QColor& foreground, bool drawsSymbol,
                                     bool drawsDot);

    // Centre and diameter of the dot in an icon of `size` pixels.
    static QPointF dotCentre(int size);
    static qreal dotDiameter(int size);
};

}  // namespace tabrino
