// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/EditingChoices.h"

namespace tabrino {

QStringList EditingChoices::currencyCodes()
{
    return {QStringLiteral("USD"), QStringLiteral("EUR"), QStringLiteral("GBP"), QStringLiteral("CAD"),
            QStringLiteral("AUD"), QStringLiteral("JPY"), QStringLiteral("CHF"), QStringLiteral("SEK"),
            QStringLiteral("NZD"), QStringLiteral("MXN")};
}

QList<int> EditingChoices::leadDays()
{
    return {0, 1, 3, 7, 14};
}

int EditingChoices::currencyIndex(const QString& code)
{
    return static_cast<int>(currencyCodes().indexOf(code));
}

int EditingChoices::leadDaysIndex(int days)
{
    return static_cast<int>(leadDays().indexOf(days));
}

QString EditingChoices::leadTimeLabel(int days)
{
    if (days == 0) {
        //: A reminder choice: no reminder
        return tr("Off");
    }
    //: A reminder choice: a reminder %n days before each charge
    return tr("%n days before", nullptr, days);
}

}  // namespace tabrino
