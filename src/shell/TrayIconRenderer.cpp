#include "shell/TrayIconRenderer.h"

#include "ui/design/SymbolMap.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tabrino {

namespace {

// The card as a rounded outline with a stripe, for systems without the font;
// close to the symbol's own proportions (20 × 16 on a 24 grid).
void drawPlainCard(QPainter& painter, int size, const QColor& colour)
{
    const qreal unit = size / 24.0;
    const QRectF card(2 * unit, 4 * unit, 20 * unit, 16 * unit);
    QPainterPath outline;
    outline.addRoundedRect(card, 2 * unit, 2 * unit);
    QPainterPath inner;
    inner.addRoundedRect(card.adjusted(2 * unit, 2 * unit, -2 * unit, -2 * unit), unit, unit);
    painter.fillPath(outline.subtracted(inner), colour);
    painter.fillRect(QRectF(card.left(), 8 * unit, card.width(), 2.5 * unit), colour);
}

}  // namespace

qreal TrayIconRenderer::dotDiameter(int size)
{
    // 5 points beside a 16–22 point symbol.
    return std::max(3.0, size * 5.0 / 19.0);
}

QPointF TrayIconRenderer::dotCentre(int size)
{
    const qreal radius = dotDiameter(size) / 2;
    // Raised 4 points above the centre line at the same scale.
    return QPointF(size - radius, size / 2.0 - size * 4.0 / 19.0);
}

QImage TrayIconRenderer::render(int size, const QColor& foreground, bool drawsSymbol, bool drawsDot)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    if (drawsSymbol) {
        const QString family = SymbolMap::fontFamily();
        const std::optional<QString> ligature = SymbolMap::ligature(QStringLiteral("creditcard"));
        if (!family.isEmpty() && ligature) {
            QFont font(family);
            font.setPixelSize(size);
            font.setHintingPreference(QFont::PreferNoHinting);
            painter.setFont(font);
            painter.setPen(foreground);
            painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, *ligature);
        } else {
            drawPlainCard(painter, size, foreground);
        }
    }

    if (drawsDot) {
        const QPointF centre = dotCentre(size);
        const qreal radius = dotDiameter(size) / 2;
        const qreal ring = std::max(1.0, size / 16.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(foreground);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.drawEllipse(centre, radius + ring, radius + ring);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawEllipse(centre, radius, radius);
    }
    return image;
}

QList<QImage> TrayIconRenderer::renderSizes(const QList<int>& sizes, const QColor& foreground, bool drawsSymbol,
                                            bool drawsDot)
{
    QList<QImage> images;
    images.reserve(sizes.size());
    for (const int size : sizes)
        images << render(size, foreground, drawsSymbol, drawsDot);
    return images;
}

}  // namespace tabrino
