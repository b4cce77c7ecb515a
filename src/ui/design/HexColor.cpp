// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/HexColor.h"

#include <algorithm>

namespace tabrino {

namespace {

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

}  // namespace

QColor colorFromHex(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && !text[first].isLetterOrNumber())
        ++first;
    while (last > first && !text[last - 1].isLetterOrNumber())
        --last;
    const QStringView digits = text.mid(first, last - first);
    // Six hex digits or nothing: a typo such as "FF00zz" is grey, not the
    // colour of the digits before it.
    if (digits.size() == 6 && std::all_of(digits.begin(), digits.end(), isHexDigit))
        return QColor::fromString(QString(u'#' + digits.toString()));
    return QColor::fromRgbF(0.55f, 0.55f, 0.55f);
}

}  // namespace tabrino
