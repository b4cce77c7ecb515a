// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tabrino {

// A currency as a file wrote it, resolved to an ISO 4217 code where that is
// certain. `code` is empty while the text names several currencies (or
// none known), and the person has to choose.
struct ImportedCurrency {
    QString code;
    QString written;         // as in the file: "$", "kr", "USD"
    QStringList candidates;  // the codes `written` may stand for, when `code` is empty

    bool isResolved() const { return !code.isEmpty(); }
    friend bool operator==(const ImportedCurrency&, const ImportedCurrency&) = default;
};

// Which currencies a symbol stands for, from ICU's locale data: the symbol
// each country writes for its own currency ("$" in Canada is CAD, "kr" in
// Sweden SEK), and the English symbol of every currency ("CA$", "€").
class CurrencySymbols {
public:
    CurrencySymbols() = delete;

    // The ISO codes written as `symbol`, the one English writes so first,
    // then by code; empty for text no country uses. Compatibility forms and a final dot do not count ("￥" is "¥",
    // "kr." is "kr").
    static QStringList currenciesWritten(QStringView symbol);
    // `text` in upper case when it is an ISO 4217 code ICU knows, else empty.
    static QString isoCode(QStringView text);

    // Nothing written means the user's currency; a code is itself; a symbol
    // only one currency uses is that one; a symbol the user's currency
    // shares is the user's; any other symbol is left for the person.
    static ImportedCurrency resolve(QStringView written, const QString& userCurrency);
};

}  // namespace tabrino
