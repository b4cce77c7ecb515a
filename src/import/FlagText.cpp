// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/FlagText.h"

namespace tabrino {

std::optional<bool> FlagText::read(QStringView text)
{
    static constexpr const char16_t* kYes[] = {u"yes", u"true", u"1", u"y", u"on", u"enabled", u"active"};
    static constexpr const char16_t* kNo[] = {u"no", u"false", u"0", u"n", u"off", u"disabled", u"inactive"};
    const QStringView word = text.trimmed();
    for (const char16_t* yes : kYes) {
        if (word.compare(QStringView(yes), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const char16_t* no : kNo) {
        if (word.compare(QStringView(no), Qt::CaseInsensitive) == 0)
            return false;
    }
    return std::nullopt;
}

}  // namespace tabrino
