// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace tabrino {

// The language the program speaks: the first of the user's languages it has a
// translation for, English otherwise. Formats of money and dates follow the
// locale on their own; this is about words.
class UserLanguage {
public:
    // Of the wanted ICU ids ("de_AT", "pt_BR"), the first whose language or
    // exact id is available; "en" when none is.
    static QString choose(const QStringList& wanted, const QStringList& available);
    // The languages the program carries translations for, "en" among them.
    static QStringList available();
    // Loads the program's own catalogue of `language` into `translator`.
    static bool loadCatalogue(QTranslator& translator, const QString& language);
    // Installs the chosen language's catalogues in the application, the
    // program's and Qt's own (for the file dialogs' buttons).
    static void install(QCoreApplication& application);
};

}  // namespace tabrino
