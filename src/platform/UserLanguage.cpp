// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserLanguage.h"

#include "foundation/SystemLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

const QString kCatalogueFolder = u":/i18n"_s;
const QString kCataloguePrefix = u"tabrino_"_s;  // then the language and ".qm"
const QString kEnglish = u"en"_s;

}  // namespace

QString UserLanguage::choose(const QStringList& wanted, const QStringList& available)
{
    for (const QString& id : wanted) {
        if (available.contains(id))
            return id;
        if (const QString language = id.section(u'_', 0, 0); available.contains(language))
            return language;
    }
    return kEnglish;
}

QStringList UserLanguage::available()
{
    QStringList languages;
    for (const QString& file : QDir(kCatalogueFolder).entryList({kCataloguePrefix + u"*.qm"_s}, QDir::Files))
        languages << file.mid(kCataloguePrefix.size()).chopped(u".qm"_s.size());
    return languages;
}

bool UserLanguage::loadCatalogue(QTranslator& translator, const QString& language)
{
    return translator.load(kCataloguePrefix + language, kCatalogueFolder);
}

void UserLanguage::install(QCoreApplication& application)
{
    const QString language = choose(SystemLocale::messageLanguages(), available());
    // English loads its catalogue too: it holds the singular forms ("1 day").
    auto* own = new QTranslator(&application);
    if (loadCatalogue(*own, language))
        QCoreApplication::installTranslator(own);
    // Qt's catalogues only for a language the program speaks, so an Arabic
    // desktop gets English dialogs laid out left to right, not half of each.
    if (language != kEnglish) {
        auto* qt = new QTranslator(&application);
        if (qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
}

}  // namespace tabrino
