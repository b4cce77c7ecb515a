// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/CurrencySymbols.h"

#include <QHash>
#include <QSet>

#include <unicode/ucurr.h>
#include <unicode/uenum.h>
#include <unicode/uloc.h>

#include <algorithm>

namespace tabrino {

namespace {

QString symbolKey(QStringView symbol)
{
    QString key = symbol.toString().normalized(QString::NormalizationForm_KC).simplified();
    key.remove(u' ');
    while (key.endsWith(u'.'))
        key.chop(1);
    return key.toCaseFolded();
}

QString symbolIn(const UChar* code, const char* locale)
{
    UErrorCode status = U_ZERO_ERROR;
    UBool isChoiceFormat = false;
    int32_t length = 0;
    const UChar* name = ucurr_getName(code, locale, UCURR_SYMBOL_NAME, &isChoiceFormat, &length, &status);
    return U_SUCCESS(status) && name ? QString::fromUtf16(name, length) : QString();
}

struct SymbolTable {
    QSet<QString> codes;
    QHash<QString, QSet<QString>> bySymbol;
    QHash<QString, QString> englishSymbol;  // code -> symbol key

    void add(const QString& symbol, const QString& code)
    {
        if (!symbol.isEmpty())
            bySymbol[symbolKey(symbol)].insert(code);
    }
};

// Built once, on the first import: some milliseconds over every locale.
const SymbolTable& table()
{
    static const SymbolTable built = [] {
        SymbolTable result;
        UErrorCode status = U_ZERO_ERROR;
        UEnumeration* codes = ucurr_openISOCurrencies(UCURR_COMMON | UCURR_NON_DEPRECATED, &status);
        const char* code = nullptr;
        while (U_SUCCESS(status) && (code = uenum_next(codes, nullptr, &status))) {
            const QString text = QString::fromLatin1(code);
            result.codes.insert(text);
            const QString english = symbolIn(reinterpret_cast<const UChar*>(text.utf16()), "en");
            result.add(english, text);
            result.englishSymbol.insert(text, symbolKey(english));
        }
        uenum_close(codes);
        for (int32_t i = 0; i < uloc_countAvailable(); ++i) {
            const char* locale = uloc_getAvailable(i);
            char country[ULOC_COUNTRY_CAPACITY] = {};
            status = U_ZERO_ERROR;
            if (uloc_getCountry(locale, country, sizeof country, &status) <= 0 || U_FAILURE(status))
                continue;
            UChar own[4] = {};
            if (ucurr_forLocale(locale, own, 4, &status) != 3 || U_FAILURE(status))
                continue;
            const QString ownCode = QString::fromUtf16(own, 3);
            if (result.codes.contains(ownCode))
                result.add(symbolIn(own, locale), ownCode);
        }
        return result;
    }();
    return built;
}

}  // namespace

QStringList CurrencySymbols::currenciesWritten(QStringView symbol)
{
    const QString key = symbolKey(symbol);
    const QSet<QString> found = table().bySymbol.value(key);
    QStringList codes(found.cbegin(), found.cend());
    // The currency English writes with the symbol alone leads: "$" is USD
    // first, "£" GBP.
    std::sort(codes.begin(), codes.end(), [&](const QString& a, const QString& b) {
        const bool aOwns = table().englishSymbol.value(a) == key;
        const bool bOwns = table().englishSymbol.value(b) == key;
        return aOwns != bOwns ? aOwns : a < b;
    });
    return codes;
}

QString CurrencySymbols::isoCode(QStringView text)
{
    const QString upper = text.trimmed().toString().toUpper();
    return upper.size() == 3 && table().codes.contains(upper) ? upper : QString();
}

ImportedCurrency CurrencySymbols::resolve(QStringView written, const QString& userCurrency)
{
    ImportedCurrency currency;
    currency.written = written.trimmed().toString();
    if (currency.written.isEmpty()) {
        currency.code = userCurrency;
        return currency;
    }
    currency.code = isoCode(currency.written);
    if (currency.isResolved())
        return currency;
    const QStringList candidates = currenciesWritten(currency.written);
    if (candidates.contains(userCurrency))
        currency.code = userCurrency;
    else if (candidates.size() == 1)
        currency.code = candidates.first();
    else
        currency.candidates = candidates;
    return currency;
}

}  // namespace tabrino
