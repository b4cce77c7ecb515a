// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/MonthlySnapshot.h"
#include "store/RecordSchema.h"

namespace tabrino {

template <>
const RecordSchema& schemaOf<MonthlySnapshot>()
{
    using M = MonthlySnapshot;
    using T = ColumnType;
    static const RecordSchema schema =
        makeSchema<M>(QStringLiteral("MonthlySnapshot"),
                      {
                          {{u"monthStart"_qs, T::Instant},
                           [](const M& m) { return QVariant(m.monthStart()); },
                           [](M& m, const QVariant& v) { m.setMonthStart(v.toDateTime()); }},
                          {{u"monthlyTotal"_qs, T::Decimal},
                           [](const M& m) { return QVariant::fromValue(m.monthlyTotal()); },
                           [](M& m, const QVariant& v) { m.setMonthlyTotal(v.value<Decimal>()); }},
                          {{u"activeSubscriptionCount"_qs, T::Integer},
                           [](const M& m) { return QVariant(m.activeSubscriptionCount()); },
                           [](M& m, const QVariant& v) { m.setActiveSubscriptionCount(v.toLongLong()); }},
                          {{u"capturedAt"_qs, T::Instant},
                           [](const M& m) { return QVariant(m.capturedAt()); },
                           [](M& m, const QVariant& v) { m.setCapturedAt(v.toDateTime()); }},
                          {{u"convertedCurrencyCode"_qs, T::Text, true, 2},
                           [](const M& m) { return optionalToVariant(m.convertedCurrencyCode()); },
                           [](M& m, const QVariant& v) { m.setConvertedCurrencyCode(variantToOptional<QString>(v)); }},
                          // The day as ISO text ("2026-12-07").
                          {{u"ratesDate"_qs, T::Text, true, 2},
                           [](const M& m) {
                               const std::optional<QDate> date = m.ratesDate();
                               return date ? QVariant(date->toString(Qt::ISODate)) : QVariant();
                           },
                           [](M& m, const QVariant& v) {
                               const QDate date = QDate::fromString(v.toString(), Qt::ISODate);
                               m.setRatesDate(date.isValid() ? std::optional<QDate>(date) : std::nullopt);
                           }},
                      },
                      [](const QVariant& key) { return new MonthlySnapshot(key.toDateTime(), Decimal(0), 0); });
    return schema;
}

}  // namespace tabrino
