// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Subscription.h"
#include "store/RecordSchema.h"

#include <limits>

namespace tabrino {

template <>
const RecordSchema& schemaOf<Subscription>()
{
    using S = Subscription;
    using T = ColumnType;
    static const RecordSchema schema = makeSchema<S>(
        QStringLiteral("Subscription"),
        {
            {{u"id"_qs, T::Uuid}, [](const S& s) { return QVariant(s.id()); }, [](S&, const QVariant&) {}},
            {{u"name"_qs, T::Text},
             [](const S& s) { return QVariant(s.name()); },
             [](S& s, const QVariant& v) { s.setName(v.toString()); }},
            {{u"serviceID"_qs, T::Text, true},
             [](const S& s) { return optionalToVariant(s.serviceId()); },
             [](S& s, const QVariant& v) { s.setServiceId(variantToOptional<QString>(v)); }},
            {{u"price"_qs, T::Decimal},
             [](const S& s) { return QVariant::fromValue(s.price()); },
             [](S& s, const QVariant& v) { s.setPrice(v.value<Decimal>()); }},
            {{u"currencyCode"_qs, T::Text},
             [](const S& s) { return QVariant(s.currencyCode()); },
             [](S& s, const QVariant& v) { s.setCurrencyCode(v.toString()); }},
            {{u"billingCycleRaw"_qs, T::Text},
             [](const S& s) { return QVariant(s.billingCycleRaw()); },
             [](S& s, const QVariant& v) { s.setBillingCycleRaw(v.toString()); }},
            {{u"customCycleDays"_qs, T::Integer},
             [](const S& s) { return QVariant(s.customCycleDays()); },
             [](S& s, const QVariant& v) { s.setCustomCycleDays(v.toLongLong()); }},
            {{u"nextBillingDate"_qs, T::Instant},
             [](const S& s) { return QVariant(s.nextBillingDate()); },
             [](S& s, const QVariant& v) { s.setNextBillingDate(v.toDateTime()); }},
            {{u"categoryRaw"_qs, T::Text},
             [](const S& s) { return QVariant(s.categoryRaw()); },
             [](S& s, const QVariant& v) { s.setCategoryRaw(v.toString()); }},
            {{u"isTrial"_qs, T::Boolean},
             [](const S& s) { return QVariant(s.isTrial()); },
             [](S& s, const QVariant& v) { s.setIsTrial(v.toBool()); }},
            {{u"trialEndDate"_qs, T::Instant, true},
             [](const S& s) { return optionalToVariant(s.trialEndDate()); },
             [](S& s, const QVariant& v) { s.setTrialEndDate(variantToOptional<QDateTime>(v)); }},
            {{u"isShared"_qs, T::Boolean},
             [](const S& s) { return QVariant(s.isShared()); },
             [](S& s, const QVariant& v) { s.setIsShared(v.toBool()); }},
            {{u"sharePercentage"_qs, T::Real, true},
             [](const S& s) { return optionalToVariant(s.sharePercentage()); },
             [](S& s, const QVariant& v) { s.setSharePercentage(variantToOptional<double>(v)); }},
            {{u"notes"_qs, T::Text, true},
             [](const S& s) { return optionalToVariant(s.notes()); },
             [](S& s, const QVariant& v) { s.setNotes(variantToOptional<QString>(v)); }},
            {{u"paymentMethod"_qs, T::Text, true},
             [](const S& s) { return optionalToVariant(s.paymentMethod()); },
             [](S& s, const QVariant& v) { s.setPaymentMethod(variantToOptional<QString>(v)); }},
            {{u"brandColorHex"_qs, T::Text, true},
             [](const S& s) { return optionalToVariant(s.brandColorHex()); },
             [](S& s, const QVariant& v) { s.setBrandColorHex(variantToOptional<QString>(v)); }},
            {{u"symbolName"_qs, T::Text, true},
             [](const S& s) { return optionalToVariant(s.symbolName()); },
             [](S& s, const QVariant& v) { s.setSymbolName(variantToOptional<QString>(v)); }},
            {{u"cancellationURLString"_qs, T::Text, true},
             [](const S& s) { return optionalToVariant(s.cancellationUrlString()); },
             [](S& s, const QVariant& v) { s.setCancellationUrlString(variantToOptional<QString>(v)); }},
            {{u"dateAdded"_qs, T::Instant},
             [](const S& s) { return QVariant(s.dateAdded()); },
             [](S& s, const QVariant& v) { s.setDateAdded(v.toDateTime()); }},
            {{u"startDate"_qs, T::Instant, true},
             [](const S& s) { return optionalToVariant(s.startDate()); },
             [](S& s, const QVariant& v) { s.setStartDate(variantToOptional<QDateTime>(v)); }},
            {{u"isActive"_qs, T::Boolean},
             [](const S& s) { return QVariant(s.isActive()); },
             [](S& s, const QVariant& v) { s.setIsActive(v.toBool()); }},
            {{u"archivedDate"_qs, T::Instant, true},
             [](const S& s) { return optionalToVariant(s.archivedDate()); },
             [](S& s, const QVariant& v) { s.setArchivedDate(variantToOptional<QDateTime>(v)); }},
            {{u"notificationsEnabled"_qs, T::Boolean},
             [](const S& s) { return QVariant(s.notificationsEnabled()); },
             [](S& s, const QVariant& v) { s.setNotificationsEnabled(v.toBool()); }},
            {{u"notificationLeadDays"_qs, T::Integer, true},
             [](const S& s) { return optionalToVariant(s.notificationLeadDays()); },
             [](S& s, const QVariant& v) {
                 // A value outside int's range is damaged: the cycle's default applies.
                 const qint64 days = v.toLongLong();
                 const bool usable =
                     !v.isNull() && days >= std::numeric_limits<int>::min() && days <= std::numeric_limits<int>::max();
                 s.setNotificationLeadDays(usable ? std::optional<int>(static_cast<int>(days)) : std::nullopt);
             }},
        },
        [](const QVariant& key) { return new Subscription(key.toUuid()); });
    return schema;
}

}  // namespace tabrino
