// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportDocument.h"
#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tabrino::test {

inline QByteArray sample(const char* name)
{
    QFile file(QStringLiteral(TABRINO_IMPORT_SAMPLES_DIR "/") + QString::fromUtf8(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Reading as a person in Berlin whose currency is `currency`, with a point
// for decimals and month-first dates unless a test says otherwise.
inline ReadingContext berlinContext(const QString& currency = QStringLiteral("EUR"))
{
    ReadingContext context(Calendar(QStringLiteral("Europe/Berlin"), 2));
    context.userCurrency = currency;
    context.now = utc(2025, 3, 10, 11);
    return context;
}

inline ImportReading readBytes(QByteArrayView bytes, const ReadingContext& context = berlinContext())
{
    return ImportDocument::fromBytes(bytes).read(context);
}

inline QStringList errorTexts(const ImportReading& reading)
{
    QStringList texts;
    for (const ImportReading::LineError& error : reading.errors)
        texts << error.text();
    return texts;
}

inline QStringList names(const ImportReading& reading)
{
    QStringList result;
    for (const ImportReading::Row& row : reading.rows)
        result << row.subscription.name;
    return result;
}

}  // namespace tabrino::test
