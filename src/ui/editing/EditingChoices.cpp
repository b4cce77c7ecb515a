// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/EditingChoices.h"

#include <QCoreApplication>

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
    if (days == 0)
        return QCoreApplication::translate("EditingChoices", "Off");
    if (days == 1)
        return QCoreApplication::translate("EditingChoices", "1 day before");
    return QCoreApplication::translate("EditingChoices", "%1 days before").arg(days);
}

}  // namespace tabrino
