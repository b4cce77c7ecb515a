// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <unicode/numberformatter.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace tabrino {

// Currency formatters keyed by code and fraction digits ("USD-0", "EUR-2"),
// each built once: building an ICU formatter costs far more than using one.
// Lookups may come from any thread; the formatters themselves are immutable.
class FormatterCache {
public:
    // Each formatter takes the user's monetary locale as it is when that
    // formatter is first built; a later locale change leaves it as it was.
    FormatterCache();
    // Every formatter uses this ICU locale id ("de_DE").
    explicit FormatterCache(const QString& localeId);
    ~FormatterCache();

    FormatterCache(const FormatterCache&) = delete;
    FormatterCache& operator=(const FormatterCache&) = delete;

    // The formatter writing amounts in `code` with exactly `fractionDigits`
    // digits after the separator (clamped to 0...15). A code ICU does not
    // know but could be one (three ASCII characters) is written as such in
    // place of a symbol. Null when `code` cannot be a currency code at all
    // ("", "US", "EURO", "€€€").
    const icu::number::LocalizedNumberFormatter* formatter(const QString& code, int fractionDigits);

private:
    std::unique_ptr<const icu::number::LocalizedNumberFormatter> make(const QString& code, int fractionDigits) const;

    std::mutex m_lock;
    std::map<QString, std::unique_ptr<const icu::number::LocalizedNumberFormatter>> m_storage;
    const std::optional<QString> m_localeId;
};

}  // namespace tabrino
