// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/HexColor.h"

namespace tabrino {

namespace {

bool isAlphanumeric(QChar c)
{
    return c.isLetterOrNumber();
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

}  // namespace

QColor colorFromHex(QStringView text)
{
    const QColor grey = QColor::fromRgbF(0.55f, 0.55f, 0.55f);
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && !isAlphanumeric(text[first]))
        ++first;
    while (last > first && !isAlphanumeric(text[last - 1]))
        --last;
    const QStringView trimmed = text.mid(first, last - first);
    if (trimmed.size() != 6)
        return grey;
    // The longest run of hex digits at the start, after an optional "0x",
    // as a number scanner reads it; no digit at all is a failed scan.
    qsizetype position = 0;
    if (trimmed.size() > 2 && trimmed[0] == u'0' && (trimmed[1] == u'x' || trimmed[1] == u'X')
        && hexDigit(trimmed[2]) >= 0)
        position = 2;
    const qsizetype digitsStart = position;
    unsigned value = 0;
    for (; position < trimmed.size() && hexDigit(trimmed[position]) >= 0; ++position)
        value = value * 16 + static_cast<unsigned>(hexDigit(trimmed[position]));
    if (position == digitsStart)
        return grey;
    return QColor::fromRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

}  // namespace tabrino
