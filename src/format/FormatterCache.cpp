// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/FormatterCache.h"

#include "foundation/SystemLocale.h"

#include <unicode/locid.h>

#include <algorithm>

namespace tabrino {

using namespace Qt::StringLiterals;

FormatterCache::FormatterCache() = default;

FormatterCache::FormatterCache(const QString& localeId) : m_localeId(localeId)
{
}

FormatterCache::~FormatterCache() = default;

const icu::number::LocalizedNumberFormatter* FormatterCache::formatter(const QString& code, int fractionDigits)
{
    // ICU caps fraction digits far higher, but no currency needs more.
    fractionDigits = std::clamp(fractionDigits, 0, 15);
    const QString key = code + u'-' + QString::number(fractionDigits);

    // Built under the lock so that one key never gets two formatters.
    const std::lock_guard guard(m_lock);
    auto found = m_storage.find(key);
    if (found == m_storage.end())
        found = m_storage.emplace(key, make(code, fractionDigits)).first;
    return found->second.get();
}

std::unique_ptr<const icu::number::LocalizedNumberFormatter> FormatterCache::make(const QString& code,
                                                                                  int fractionDigits) const
{
    // ICU reads only the first three characters of a longer code and takes an
    // empty one as "no currency" without an error, so both are refused here
    // instead of printing an amount in a currency nobody asked for.
    if (code.size() != 3)
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    // utf16() is NUL-terminated, as ICU expects here.
    const icu::CurrencyUnit unit(reinterpret_cast<const char16_t*>(code.utf16()), status);
    if (U_FAILURE(status))
        return nullptr;

    const QString localeId = m_localeId.value_or(SystemLocale::monetaryLocaleId());
    const icu::Locale locale(localeId.toUtf8().constData());
    return std::make_unique<const icu::number::LocalizedNumberFormatter>(
        icu::number::NumberFormatter::withLocale(locale).unit(unit).precision(
            icu::number::Precision::fixedFraction(fractionDigits)));
}

}  // namespace tabrino
