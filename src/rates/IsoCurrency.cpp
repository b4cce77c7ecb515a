// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/IsoCurrency.h"

#include <unicode/ucurr.h>

#include <algorithm>

namespace tabrino {

namespace {

bool isThreeCapitals(const QString& code)
{
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

// utf16() is NUL-terminated, as ICU expects.
const UChar* icuCode(const QString& code)
{
    return reinterpret_cast<const UChar*>(code.utf16());
}

}  // namespace

bool IsoCurrency::isKnown(const QString& code)
{
    if (!isThreeCapitals(code))
        return false;
    UErrorCode status = U_ZERO_ERROR;
    UBool isChoiceFormat = false;
    int32_t length = 0;
    ucurr_getName(icuCode(code), "en", UCURR_LONG_NAME, &isChoiceFormat, &length, &status);
    // An unknown code comes back as its own name with this warning.
    return U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING;
}

int IsoCurrency::minorUnits(const QString& code)
{
    if (!isThreeCapitals(code))
        return 2;
    UErrorCode status = U_ZERO_ERROR;
    const int32_t digits = ucurr_getDefaultFractionDigits(icuCode(code), &status);
    return U_SUCCESS(status) ? digits : 2;
}

}  // namespace tabrino
