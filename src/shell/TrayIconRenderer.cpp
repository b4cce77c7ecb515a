// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/TrayIconRenderer.h"

#include "ui/design/SymbolMap.h"
#include "ui/design/Theme.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tabrino {

namespace {

// Figures may be narrowed to this share of their width before they are made
// smaller: at tray sizes height reads better than width.
constexpr qreal kNarrowest = 0.8;
// In a wide image the figures stand half the image high, about as tall as
// the text panels set beside their icons.
constexpr qreal kWideFigureShare = 0.5;

// The amount's outline at a 100-pixel size, scaled to each use; unhinted so
// it scales evenly. `figureHeight` is the height of the digits in it.
struct Outline {
    QPainterPath path;
    qreal figureHeight = 0;
};

Outline outlineOf(const QString& text)
{
    QFont font(Theme::fontFamily());
    font.setPixelSize(100);
    font.setWeight(QFont::DemiBold);
    font.setHintingPreference(QFont::PreferNoHinting);
    Outline outline;
    outline.path.addText(0, 0, font, text);
    outline.figureHeight = QFontMetricsF(font).capHeight();
    if (outline.figureHeight <= 0)
        outline.figureHeight = 72;
    return outline;
}

// How an outline fits a box: its scale, the extra narrowing of its width,
// and the height of its digits then.
struct Fit {
    qreal scale = 0;
    qreal narrowing = 1;
    qreal figureHeight = 0;
};

Fit fit(const Outline& outline, qreal width, qreal height)
{
    const QRectF bounds = outline.path.boundingRect();
    if (bounds.isEmpty())
        return {};
    qreal scale = std::min(height / bounds.height(), width / (bounds.width() * kNarrowest));
    // Whole-pixel digits: flat tops and the baseline then fall on pixel edges.
    const qreal figures = std::floor(outline.figureHeight * scale);
    if (figures >= 1)
        scale = figures / outline.figureHeight;
    const qreal narrowing = std::min(1.0, width / (bounds.width() * scale));
    return {scale, narrowing, outline.figureHeight * scale};
}

qreal squarePadding(int size)
{
    return std::max(0.5, size / 32.0);
}

qreal dotRing(int size)
{
    return std::max(1.0, size / 16.0);
}

// With the dot, the text sits low so the dot keeps the corner above it.
qreal squareTextHeight(int size, bool dot)
{
    return dot ? size - TrayIconRenderer::dotDiameter(size) - dotRing(size) : size;
}

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

void drawSymbol(QPainter& painter, int size, const QColor& colour)
{
    const QString family = SymbolMap::fontFamily();
    const std::optional<QString> ligature = SymbolMap::ligature(QStringLiteral("creditcard"));
    if (family.isEmpty() || !ligature) {
        drawPlainCard(painter, size, colour);
        return;
    }
    QFont font(family);
    font.setPixelSize(size);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, *ligature);
}

void drawDot(QPainter& painter, const QPointF& centre, qreal diameter, qreal ring, const QColor& colour)
{
    const qreal radius = diameter / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawEllipse(centre, radius + ring, radius + ring);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawEllipse(centre, radius, radius);
}

void drawOutline(QPainter& painter, const Outline& outline, const QPointF& origin, qreal scale, qreal narrowing,
                 const QColor& colour)
{
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.scale(scale * narrowing, scale);
    painter.fillPath(transform.map(outline.path), colour);
}

QImage blank(int width, int height)
{
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QImage renderSquare(int size, const QColor& foreground, const TrayIconRenderer::Content& content)
{
    QImage image = blank(size, size);
    QPainter painter(&image);
    prepare(painter);
    const qreal dot = TrayIconRenderer::dotDiameter(size);
    const qreal ring = dotRing(size);
    const QString text = TrayIconRenderer::squareText(size, content.texts, content.dot);
    if (!text.isEmpty()) {
        // The amount stands in for the symbol: a square holds no more legibly.
        const Outline outline = outlineOf(text);
        const QRectF bounds = outline.path.boundingRect();
        const qreal padding = squarePadding(size);
        const Fit placed = fit(outline, size - 2 * padding, squareTextHeight(size, content.dot));
        const qreal width = bounds.width() * placed.scale * placed.narrowing;
        const qreal x = (size - width) / 2 - bounds.left() * placed.scale * placed.narrowing;
        const qreal baseline = content.dot
            ? std::floor(size - std::max(0.0, bounds.bottom() * placed.scale))
            : std::round((size - bounds.height() * placed.scale) / 2 - bounds.top() * placed.scale);
        drawOutline(painter, outline, QPointF(x, baseline), placed.scale, placed.narrowing, foreground);
    } else if (content.symbol) {
        drawSymbol(painter, size, foreground);
    }
    if (content.dot) {
        const QPointF centre =
            text.isEmpty() ? TrayIconRenderer::dotCentre(size) : TrayIconRenderer::cornerDotCentre(size);
        drawDot(painter, centre, dot, ring, foreground);
    }
    return image;
}

QImage renderWide(int height, const QColor& foreground, const TrayIconRenderer::Content& content)
{
    const Outline outline = outlineOf(content.texts.first());
    const QRectF bounds = outline.path.boundingRect();
    const qreal figures = std::max(5.0, std::round(height * kWideFigureShare));
    const qreal scale = figures / outline.figureHeight;
    const qreal baseline = std::round((height + figures) / 2);
    // The symbol's glyph has its own margin, so a small gap does.
    const qreal textLeft = content.symbol ? height + std::round(height * 0.12) : std::max(1.0, height / 16.0);
    const qreal textRight = textLeft + bounds.width() * scale;

    const qreal dot = TrayIconRenderer::dotDiameter(height);
    // Beside the figures' tops when there is no symbol to carry it.
    const QPointF dotCentre = content.symbol
        ? TrayIconRenderer::dotCentre(height)
        : QPointF(textRight + std::max(1.0, height / 10.0) + dot / 2, baseline - figures + dot / 2);
    const qreal right = content.dot && !content.symbol ? dotCentre.x() + dot / 2 : textRight;

    QImage image = blank(int(std::ceil(right + std::max(1.0, height / 16.0))), height);
    QPainter painter(&image);
    prepare(painter);
    if (content.symbol)
        drawSymbol(painter, height, foreground);
    drawOutline(painter, outline, QPointF(textLeft - bounds.left() * scale, baseline), scale, 1, foreground);
    if (content.dot)
        drawDot(painter, dotCentre, dot, dotRing(height), foreground);
    return image;
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

QPointF TrayIconRenderer::cornerDotCentre(int size)
{
    const qreal radius = dotDiameter(size) / 2;
    return QPointF(size - radius, radius);
}

QString TrayIconRenderer::squareText(int size, const QStringList& texts, bool dot)
{
    const qreal padding = squarePadding(size);
    QString largest;
    qreal largestHeight = 0;
    for (const QString& text : texts) {
        const qreal figures = fit(outlineOf(text), size - 2 * padding, squareTextHeight(size, dot)).figureHeight;
        if (figures >= size / 2.0)
            return text;
        if (figures > largestHeight) {
            largest = text;
            largestHeight = figures;
        }
    }
    return largest;
}

QImage TrayIconRenderer::render(int height, const QColor& foreground, const Content& content)
{
    if (content.shape == Shape::Wide && !content.texts.isEmpty() && !content.texts.first().isEmpty())
        return renderWide(height, foreground, content);
    return renderSquare(height, foreground, content);
}

QList<QImage> TrayIconRenderer::renderSizes(const QList<int>& heights, const QColor& foreground, const Content& content)
{
    QList<QImage> images;
    images.reserve(heights.size());
    for (const int height : heights)
        images << render(height, foreground, content);
    return images;
}

}  // namespace tabrino
