// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace tabrino {

// How the figures are converted into one currency: into which, at the rates
// of which day, and which active subscriptions they leave out because their
// currency has no rate.
struct TotalsConversion {
    struct LeftOut {
        QString currencyCode;
        int subscriptionCount = 0;
        friend bool operator==(const LeftOut&, const LeftOut&) = default;
    };

    QString currencyCode;
    QDate ratesDate;
    // By currency code.
    QList<LeftOut> leftOut;

    friend bool operator==(const TotalsConversion&, const TotalsConversion&) = default;
};

}  // namespace tabrino
