// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/TrayIconRenderer.h"

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

using Content = TrayIconRenderer::Content;

// The rows and columns that hold ink.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 96)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

Content amount(QStringList texts, bool dot = false)
{
    Content content;
    content.texts = std::move(texts);
    content.dot = dot;
    return content;
}

}  // namespace

TEST(TrayIconRendererTest, aSquareShowsTheFullestFormThatStaysLegible)
{
    const QStringList forms{u"$55"_qs, u"55"_qs};
    // Small trays drop the currency sign rather than shrink the figures.
    EXPECT_EQ(TrayIconRenderer::squareText(16, forms), u"55");
    EXPECT_EQ(TrayIconRenderer::squareText(22, forms), u"55");
    EXPECT_EQ(TrayIconRenderer::squareText(64, {u"$5"_qs, u"5"_qs}), u"$5");
    // Nothing legible: the form drawn largest.
    EXPECT_EQ(TrayIconRenderer::squareText(16, {u"$1,234"_qs, u"1,234"_qs, u"$1.2K"_qs, u"1.2K"_qs}), u"1.2K");
    EXPECT_EQ(TrayIconRenderer::squareText(16, {}), u"");
}

TEST(TrayIconRendererTest, theFiguresFillTheSquareAtEveryTraySize)
{
    // Two figures stand at least half the square high, three nearly so.
    for (const auto& [forms, share] :
         {std::pair{QStringList{u"$55"_qs, u"55"_qs}, 0.5}, std::pair{QStringList{u"$155"_qs, u"155"_qs}, 0.43}}) {
        for (const int size : {16, 22, 24, 32, 44, 48, 64}) {
            for (const bool dot : {false, true}) {
                const QImage image = TrayIconRenderer::render(size, Qt::white, amount(forms, dot));
                ASSERT_EQ(image.size(), QSize(size, size));
                const QRect ink = inkBounds(image);
                EXPECT_GE(ink.height(), int(size * share)) << forms.last().toStdString() << " " << size << " " << dot;
                EXPECT_GE(ink.width(), size * 3 / 4) << size << " dot " << dot;
                EXPECT_TRUE(QRect(0, 0, size, size).contains(ink)) << size;
            }
        }
    }
}

TEST(TrayIconRendererTest, theDotKeepsItsCornerClearOfTheFigures)
{
    for (const int size : {16, 22, 32}) {
        const QImage image = TrayIconRenderer::render(size, Qt::white, amount({u"88"_qs}, true));
        const QPointF centre = TrayIconRenderer::cornerDotCentre(size);
        const qreal diameter = TrayIconRenderer::dotDiameter(size);
        EXPECT_GT(qAlpha(image.pixel(centre.toPoint())), 200) << size;
        // Right under the dot, a clear row parts it from the figures below.
        const int gap = int(diameter + 0.5);
        EXPECT_LT(qAlpha(image.pixel(QPoint(int(centre.x()), gap))), 96) << size;
        EXPECT_GT(inkBounds(image.copy(0, gap + 1, size, size)).height(), size / 2) << size;
    }
}

TEST(TrayIconRendererTest, aWideImageIsAsHighAsAskedAndAsWideAsItsText)
{
    Content content = amount({u"$55/mo"_qs});
    content.shape = TrayIconRenderer::Shape::Wide;
    for (const int height : {16, 18, 22, 32, 36}) {
        const QImage withSymbol = TrayIconRenderer::render(height, Qt::white, content);
        const QRect ink = inkBounds(withSymbol);
        EXPECT_EQ(withSymbol.height(), height);
        EXPECT_GT(withSymbol.width(), height * 3);
        // Figures half the height, about as tall as panel text beside an icon.
        EXPECT_GE(ink.height(), height / 2);
        // Nothing wasted at the right beyond a pixel or two.
        EXPECT_GE(ink.right(), withSymbol.width() - 1 - std::max(2, height / 8)) << height;
    }
    Content longer = content;
    longer.texts = {u"$1,234/mo"_qs};
    EXPECT_GT(TrayIconRenderer::render(18, Qt::white, longer).width(),
              TrayIconRenderer::render(18, Qt::white, content).width());

    // Without the symbol the dot comes after the text.
    Content alone = content;
    alone.symbol = false;
    const QImage plain = TrayIconRenderer::render(18, Qt::white, alone);
    alone.dot = true;
    const QImage dotted = TrayIconRenderer::render(18, Qt::white, alone);
    EXPECT_LT(plain.width(), TrayIconRenderer::render(18, Qt::white, content).width());
    EXPECT_GT(dotted.width(), plain.width() + 3);
    EXPECT_EQ(dotted.copy(0, 0, plain.width() - 2, 18), plain.copy(0, 0, plain.width() - 2, 18));
}
