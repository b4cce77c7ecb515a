// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"

#include <QByteArrayView>
#include <QDate>
#include <QHash>
#include <QString>

#include <optional>

namespace tabrino {

// One day's euro reference rates as the European Central Bank publishes them
// (eurofxref-daily.xml): how many units of each currency one euro buys, read
// exactly from the text of the file.
class ExchangeRates {
public:
    // The published file is under 2 KB; nothing larger is read.
    static constexpr qsizetype maximumSize = 64 * 1024;
    // Units per euro outside this range are no real currency's.
    static inline const Decimal lowestRate = Decimal(1) / Decimal(10000);
    static inline const Decimal highestRate = Decimal(1000000);

    // The rates of the file, or absent with a readable `error`. Refused
    // whole: a file over the cap, anything but well-formed XML (a truncated
    // one included), a document type declaration, another root element, a
    // layout other than one dated set of rates, a date that is not a day, a
    // code that is not an ISO 4217 currency or is EUR itself, a currency
    // listed twice, a rate that is not plain decimal text or lies outside
    // lowestRate...highestRate, and a set without rates.
    static std::optional<ExchangeRates> fromXml(QByteArrayView xml, QString* error = nullptr);
    // The same for the file at `path`, read no further than the cap.
    static std::optional<ExchangeRates> fromFile(const QString& path, QString* error = nullptr);

    // No rates at all: only the euro converts, into itself.
    ExchangeRates() = default;

    // The day the rates were set.
    QDate date() const { return m_date; }
    // Units of `code` that one euro buys: 1 for EUR, absent for a currency
    // the set does not list.
    std::optional<Decimal> perEuro(const QString& code) const;
    // Every currency with a rate, EUR included.
    qsizetype currencyCount() const { return m_perEuro.size() + 1; }

private:
    ExchangeRates(QDate date, QHash<QString, Decimal> perEuro);

    QDate m_date;
    QHash<QString, Decimal> m_perEuro;
};

}  // namespace tabrino
