// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "foundation/Decimal.h"
#include "model/PersistentRecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tabrino {

// The monthly total and active count recorded for one calendar month; at
// most one per month start. A total converted into one currency names that
// currency and the day of the rates; one that added the amounts as they
// were names neither.
class MonthlySnapshot : public PersistentRecord {
    Q_OBJECT
    Q_PROPERTY(QDateTime monthStart READ monthStart WRITE setMonthStart NOTIFY monthStartChanged)
    Q_PROPERTY(tabrino::Decimal monthlyTotal READ monthlyTotal WRITE setMonthlyTotal NOTIFY monthlyTotalChanged)
    Q_PROPERTY(qint64 activeSubscriptionCount READ activeSubscriptionCount WRITE setActiveSubscriptionCount NOTIFY
                   activeSubscriptionCountChanged)
    Q_PROPERTY(QDateTime capturedAt READ capturedAt WRITE setCapturedAt NOTIFY capturedAtChanged)
    Q_PROPERTY(QVariant convertedCurrencyCode READ convertedCurrencyCodeValue NOTIFY conversionChanged)
    Q_PROPERTY(QVariant ratesDate READ ratesDateValue NOTIFY conversionChanged)

public:
    // capturedAt is the moment of creation.
    MonthlySnapshot(const QDateTime& monthStart, const Decimal& monthlyTotal, qint64 activeSubscriptionCount,
                    QObject* parent = nullptr);

    // Midnight of the first day of `date`'s month in `calendar`'s zone; the
    // date itself when the calendar cannot form it.
    static QDateTime startOfMonth(const QDateTime& date, const Calendar& calendar);

    QDateTime monthStart() const { return m_monthStart; }
    Decimal monthlyTotal() const { return m_monthlyTotal; }
    qint64 activeSubscriptionCount() const { return m_activeSubscriptionCount; }
    QDateTime capturedAt() const { return m_capturedAt; }
    std::optional<QString> convertedCurrencyCode() const { return m_convertedCurrencyCode; }
    std::optional<QDate> ratesDate() const { return m_ratesDate; }

    void setMonthStart(const QDateTime& value);
    void setMonthlyTotal(const Decimal& value);
    void setActiveSubscriptionCount(qint64 value);
    void setCapturedAt(const QDateTime& value);
    void setConvertedCurrencyCode(const std::optional<QString>& value);
    void setRatesDate(const std::optional<QDate>& value);

Q_SIGNALS:
    void monthStartChanged();
    void monthlyTotalChanged();
    void activeSubscriptionCountChanged();
    void capturedAtChanged();
    void conversionChanged();

private:
    QVariant convertedCurrencyCodeValue() const;
    QVariant ratesDateValue() const;

    QDateTime m_monthStart;
    Decimal m_monthlyTotal;
    qint64 m_activeSubscriptionCount = 0;
    QDateTime m_capturedAt;
    std::optional<QString> m_convertedCurrencyCode;
    std::optional<QDate> m_ratesDate;
};

}  // namespace tabrino
