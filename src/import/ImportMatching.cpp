// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportMatching.h"

#include "model/Subscription.h"

#include <QMultiHash>

namespace tabrino {

namespace {

QString nameKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

}  // namespace

QList<Subscription*> ImportMatching::match(const QList<ImportReading::Row>& rows, const QList<Subscription*>& tracked)
{
    QMultiHash<QString, Subscription*> byName;
    for (Subscription* subscription : tracked)
        byName.insert(nameKey(subscription->name()), subscription);
    QList<Subscription*> matches;
    matches.reserve(rows.size());
    for (const ImportReading::Row& row : rows) {
        Subscription* found = nullptr;
        for (Subscription* candidate : byName.values(nameKey(row.subscription.name))) {
            if (candidate->price() == row.subscription.price && candidate->billingCycle() == row.subscription.cycle)
                found = candidate;
        }
        matches << found;
    }
    return matches;
}

}  // namespace tabrino
