// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/UserLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tabrino::test {

// The program's own catalogue of `language` ("de", "es"), as built into it,
// spoken for as long as this lives. Unlike a TestCatalogue it holds the
// translators' real wording, plural forms included.
class SpokenLanguage {
public:
    explicit SpokenLanguage(const QString& language)
    {
        if (UserLanguage::loadCatalogue(m_catalogue, language))
            QCoreApplication::installTranslator(&m_catalogue);
        else
            ADD_FAILURE() << "no catalogue for " << language.toStdString();
    }
    ~SpokenLanguage() { QCoreApplication::removeTranslator(&m_catalogue); }
    SpokenLanguage(const SpokenLanguage&) = delete;
    SpokenLanguage& operator=(const SpokenLanguage&) = delete;

private:
    QTranslator m_catalogue;
};

}  // namespace tabrino::test
