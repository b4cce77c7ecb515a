// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace tabrino {

class Subscription;

// One subscription as it appears in an export file: money already as plain
// text, cycle and category as their display names, optional values absent
// rather than empty.
struct ExportRecord {
    QString name;
    QString price;  // plain decimal text, "9.5"
    QString currency;
    QString billingCycle;  // "Monthly", "Every 10 days"
    QString monthlyCost;   // rounded to cents, then plain text: "8.33", "10"
    QDateTime nextBillingDate;
    QString category;
    bool isTrial = false;
    std::optional<QDateTime> trialEndDate;
    bool isShared = false;
    // The stored fraction as is, also when the subscription is not shared.
    // A value that is not finite cannot be written and counts as absent.
    std::optional<double> sharePercentage;
    std::optional<QString> paymentMethod;
    std::optional<QString> notes;
    bool isActive = true;
    QDateTime dateAdded;

    static ExportRecord from(const Subscription& subscription);

    // The share as a whole percentage truncated toward zero ("25%", "29%"),
    // empty when no share is stored.
    QString sharePercentText() const;
};

}  // namespace tabrino
