// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

namespace tabrino::test {

// A translation catalogue installed for as long as it lives: the texts it
// is given come out translated, all others as the catalogues below it have
// them. A text given a singular answers it for a count of 1, which only a
// text asked for with its count receives. For tests of whether a text is
// asked for in the user's language; SpokenLanguage has the real wording.
class TestCatalogue : public QTranslator {
public:
    TestCatalogue() { QCoreApplication::installTranslator(this); }
    ~TestCatalogue() override { QCoreApplication::removeTranslator(this); }
    TestCatalogue(const TestCatalogue&) = delete;
    TestCatalogue& operator=(const TestCatalogue&) = delete;

    // `source` in any context.
    TestCatalogue& add(const char* source, const QString& translation, const QString& singular = QString())
    {
        m_texts.insert(QByteArray(source), Entry{translation, singular});
        return *this;
    }
    // `source` in `context` alone, before any translation of it in every context.
    TestCatalogue& inContext(const char* context, const char* source, const QString& translation)
    {
        m_texts.insert(QByteArray(context) + '\x04' + source, Entry{translation, QString()});
        return *this;
    }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int n = -1) const override
    {
        auto found = m_texts.constFind(QByteArray(context) + '\x04' + source);
        if (found == m_texts.cend())
            found = m_texts.constFind(QByteArray(source));
        if (found == m_texts.cend())
            return QString();
        return n == 1 && !found->singular.isNull() ? found->singular : found->translation;
    }

private:
    struct Entry {
        QString translation;
        QString singular;
    };
    QHash<QByteArray, Entry> m_texts;
};

}  // namespace tabrino::test
