// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace tabrino {

// The user's locale as the environment names it (LC_ALL, then the category
// variable, then LANG), as an ICU locale id such as "de_DE". No locale, the
// C or POSIX locale and names that are no locale read as plain English ("en"),
// which has no currency of its own.
class SystemLocale {
public:
    // ICU id of the locale for money (LC_MONETARY).
    static QString monetaryLocaleId();
    // ICU id of the locale for dates and texts (LC_TIME).
    static QString timeLocaleId();
    // The languages the user reads, best first, as ICU ids: LANGUAGE's
    // colon-separated list, then the locale for messages (LC_MESSAGES). As
    // gettext does, LANGUAGE counts only when that locale is configured, so
    // LC_ALL=C means plain English whatever LANGUAGE says. Empty without one.
    static QStringList messageLanguages();
    // ISO 4217 code of the monetary locale's currency, "USD" when it has none.
    static QString currencyCode();
};

}  // namespace tabrino
