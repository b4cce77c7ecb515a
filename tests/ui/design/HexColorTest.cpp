// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/HexColor.h"

#include <gtest/gtest.h>

using tabrino::colorFromHex;

TEST(HexColor, SixDigitsAfterTrimmingGiveTheirChannels)
{
    const struct {
        const char* text;
        QColor want;
    } cases[] = {
        {"FF0000", QColor(255, 0, 0)},     {"#FF0000", QColor(255, 0, 0)},
        {"#ff0000", QColor(255, 0, 0)},    {"#1DB954", QColor(0x1D, 0xB9, 0x54)},  // red, green, blue in that order
        {"  #00ff00 ", QColor(0, 255, 0)}, {"##0000FF;", QColor(0, 0, 255)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colorFromHex(QString::fromUtf8(c.text)), c.want) << c.text;
}

TEST(HexColor, EverythingElseIsGrey)
{
    for (const char* text :
         {"", "#", "F00", "#F00", "FF000080", "0xFF0000", "FF 0000", "zzzzzz", "#GGGGGG", "FF00zz", "0x12ab"}) {
        const QColor color = colorFromHex(QString::fromUtf8(text));
        EXPECT_NEAR(color.redF(), 0.55, 1e-3) << text;
        EXPECT_NEAR(color.greenF(), 0.55, 1e-3) << text;
        EXPECT_NEAR(color.blueF(), 0.55, 1e-3) << text;
        EXPECT_EQ(color.alpha(), 255) << text;
    }
}
