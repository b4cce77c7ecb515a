// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "foundation/Decimal.h"
#include "model/BillingCycle.h"
#include "model/PersistentRecord.h"
#include "model/SubscriptionCategory.h"

#include <QDateTime>
#include <QUrl>
#include <QUuid>
#include <QVariant>

#include <optional>

namespace tabrino {

// One recurring payment the user tracks, with the date and money arithmetic
// every other part relies on. Optional attributes are std::optional in C++
// and a null QVariant when absent for QML.
class Subscription : public PersistentRecord {
    Q_OBJECT
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QVariant serviceId READ serviceIdValue WRITE setServiceIdValue NOTIFY serviceIdChanged)
    Q_PROPERTY(tabrino::Decimal price READ price WRITE setPrice NOTIFY priceChanged)
    Q_PROPERTY(QString currencyCode READ currencyCode WRITE setCurrencyCode NOTIFY currencyCodeChanged)
    Q_PROPERTY(QString billingCycleRaw READ billingCycleRaw WRITE setBillingCycleRaw NOTIFY billingCycleRawChanged)
    Q_PROPERTY(qint64 customCycleDays READ customCycleDays WRITE setCustomCycleDays NOTIFY customCycleDaysChanged)
    Q_PROPERTY(QDateTime nextBillingDate READ nextBillingDate WRITE setNextBillingDate NOTIFY nextBillingDateChanged)
    Q_PROPERTY(QString categoryRaw READ categoryRaw WRITE setCategoryRaw NOTIFY categoryRawChanged)
    Q_PROPERTY(bool isTrial READ isTrial WRITE setIsTrial NOTIFY isTrialChanged)
    Q_PROPERTY(QVariant trialEndDate READ trialEndDateValue WRITE setTrialEndDateValue NOTIFY trialEndDateChanged)
    Q_PROPERTY(bool isShared READ isShared WRITE setIsShared NOTIFY isSharedChanged)
    Q_PROPERTY(
        QVariant sharePercentage READ sharePercentageValue WRITE setSharePercentageValue NOTIFY sharePercentageChanged)
    Q_PROPERTY(QVariant notes READ notesValue WRITE setNotesValue NOTIFY notesChanged)
    Q_PROPERTY(QVariant paymentMethod READ paymentMethodValue WRITE setPaymentMethodValue NOTIFY paymentMethodChanged)
    Q_PROPERTY(QVariant brandColorHex READ brandColorHexValue WRITE setBrandColorHexValue NOTIFY brandColorHexChanged)
    Q_PROPERTY(QVariant symbolName READ symbolNameValue WRITE setSymbolNameValue NOTIFY symbolNameChanged)
    Q_PROPERTY(QVariant cancellationUrlString READ cancellationUrlStringValue WRITE setCancellationUrlStringValue NOTIFY
                   cancellationUrlStringChanged)
    Q_PROPERTY(QDateTime dateAdded READ dateAdded WRITE setDateAdded NOTIFY dateAddedChanged)
    Q_PROPERTY(QVariant startDate READ startDateValue WRITE setStartDateValue NOTIFY startDateChanged)
    Q_PROPERTY(bool isActive READ isActive WRITE setIsActive NOTIFY isActiveChanged)
    Q_PROPERTY(QVariant archivedDate READ archivedDateValue WRITE setArchivedDateValue NOTIFY archivedDateChanged)
    Q_PROPERTY(bool notificationsEnabled READ notificationsEnabled WRITE setNotificationsEnabled NOTIFY
                   notificationsEnabledChanged)
    Q_PROPERTY(QVariant notificationLeadDays READ notificationLeadDaysValue WRITE setNotificationLeadDaysValue NOTIFY
                   notificationLeadDaysChanged)

public:
    enum class Urgency { Urgent, Soon, Calm };
    Q_ENUM(Urgency)

    // A new record: a fresh id, created and first billed "now" unless given,
    // active, reminders on, everything else off or absent.
    Subscription(const QString& name, const Decimal& price, const QString& currencyCode,
                 const BillingCycle& billingCycle, const QDateTime& nextBillingDate, SubscriptionCategory category,
                 const std::optional<QString>& serviceId = std::nullopt, QObject* parent = nullptr);
    // An empty record with the given id, filled attribute by attribute when
    // read back from storage.
    explicit Subscription(const QUuid& id, QObject* parent = nullptr);

    QUuid id() const { return m_id; }
    QString name() const { return m_name; }
    std::optional<QString> serviceId() const { return m_serviceId; }
    Decimal price() const { return m_price; }
    QString currencyCode() const { return m_currencyCode; }
    QString billingCycleRaw() const { return m_billingCycleRaw; }
    qint64 customCycleDays() const { return m_customCycleDays; }
    QDateTime nextBillingDate() const { return m_nextBillingDate; }
    QString categoryRaw() const { return m_categoryRaw; }
    bool isTrial() const { return m_isTrial; }
    std::optional<QDateTime> trialEndDate() const { return m_trialEndDate; }
    bool isShared() const { return m_isShared; }
    std::optional<double> sharePercentage() const { return m_sharePercentage; }
    std::optional<QString> notes() const { return m_notes; }
    std::optional<QString> paymentMethod() const { return m_paymentMethod; }
    std::optional<QString> brandColorHex() const { return m_brandColorHex; }
    std::optional<QString> symbolName() const { return m_symbolName; }
    std::optional<QString> cancellationUrlString() const { return m_cancellationUrlString; }
    QDateTime dateAdded() const { return m_dateAdded; }
    std::optional<QDateTime> startDate() const { return m_startDate; }
    bool isActive() const { return m_isActive; }
    std::optional<QDateTime> archivedDate() const { return m_archivedDate; }
    bool notificationsEnabled() const { return m_notificationsEnabled; }
    std::optional<int> notificationLeadDays() const { return m_notificationLeadDays; }

    void setName(const QString& value);
    void setServiceId(const std::optional<QString>& value);
    void setPrice(const Decimal& value);
    void setCurrencyCode(const QString& value);
    void setBillingCycleRaw(const QString& value);
    void setCustomCycleDays(qint64 value);
    void setNextBillingDate(const QDateTime& value);
    void setCategoryRaw(const QString& value);
    void setIsTrial(bool value);
    void setTrialEndDate(const std::optional<QDateTime>& value);
    void setIsShared(bool value);
    void setSharePercentage(const std::optional<double>& value);
    void setNotes(const std::optional<QString>& value);
    void setPaymentMethod(const std::optional<QString>& value);
    void setBrandColorHex(const std::optional<QString>& value);
    void setSymbolName(const std::optional<QString>& value);
    void setCancellationUrlString(const std::optional<QString>& value);
    void setDateAdded(const QDateTime& value);
    void setStartDate(const std::optional<QDateTime>& value);
    void setIsActive(bool value);
    void setArchivedDate(const std::optional<QDateTime>& value);
    void setNotificationsEnabled(bool value);
    void setNotificationLeadDays(const std::optional<int>& value);

    // Derived views of the stored attributes.
    BillingCycle billingCycle() const;
    void setBillingCycle(const BillingCycle& cycle);  // writes both stored attributes
    SubscriptionCategory category() const;            // unknown text reads as other
    std::optional<QUrl> cancellationUrl() const;

    // The user's part of each charge: 1 unless shared with a stored share,
    // which is clamped to 0...1.
    Decimal effectiveShare() const;
    // (price x share) x the cycle's monthly factor, never cut.
    Decimal monthlyCost() const;
    QDateTime billingStartDate() const;
    // Regular charges after the first that fell due by `asOf` (at most 10 000).
    qint64 chargesElapsed(const QDateTime& asOf, const Calendar& calendar) const;
    // What the subscription cost up to `asOf`, or up to its archiving.
    Decimal lifetimeSpend(const QDateTime& asOf, const Calendar& calendar) const;
    int daysUntilRenewal(const QDateTime& from, const Calendar& calendar) const;
    std::optional<int> daysUntilTrialEnd(const QDateTime& from, const Calendar& calendar) const;
    // What the user pays next: the trial's conversion or the regular renewal.
    QDateTime effectiveNextDate() const;
    // The stored lead time (never below 0), or the cycle's default.
    int leadDaysForNotification() const;
    // Moves a passed billing date to the first cycle date on or after today.
    bool rollForwardIfNeeded(const QDateTime& asOf, const Calendar& calendar);
    Urgency urgency(const QDateTime& from) const;  // in the user's calendar
    Urgency urgency(const QDateTime& from, const Calendar& calendar) const;

Q_SIGNALS:
    void nameChanged();
    void serviceIdChanged();
    void priceChanged();
    void currencyCodeChanged();
    void billingCycleRawChanged();
    void customCycleDaysChanged();
    void nextBillingDateChanged();
    void categoryRawChanged();
    void isTrialChanged();
    void trialEndDateChanged();
    void isSharedChanged();
    void sharePercentageChanged();
    void notesChanged();
    void paymentMethodChanged();
    void brandColorHexChanged();
    void symbolNameChanged();
    void cancellationUrlStringChanged();
    void dateAddedChanged();
    void startDateChanged();
    void isActiveChanged();
    void archivedDateChanged();
    void notificationsEnabledChanged();
    void notificationLeadDaysChanged();

private:
    QVariant serviceIdValue() const;
    void setServiceIdValue(const QVariant& value);
    QVariant trialEndDateValue() const;
    void setTrialEndDateValue(const QVariant& value);
    QVariant sharePercentageValue() const;
    void setSharePercentageValue(const QVariant& value);
    QVariant notesValue() const;
    void setNotesValue(const QVariant& value);
    QVariant paymentMethodValue() const;
    void setPaymentMethodValue(const QVariant& value);
    QVariant brandColorHexValue() const;
    void setBrandColorHexValue(const QVariant& value);
    QVariant symbolNameValue() const;
    void setSymbolNameValue(const QVariant& value);
    QVariant cancellationUrlStringValue() const;
    void setCancellationUrlStringValue(const QVariant& value);
    QVariant startDateValue() const;
    void setStartDateValue(const QVariant& value);
    QVariant archivedDateValue() const;
    void setArchivedDateValue(const QVariant& value);
    QVariant notificationLeadDaysValue() const;
    void setNotificationLeadDaysValue(const QVariant& value);

    QUuid m_id;
    QString m_name;
    std::optional<QString> m_serviceId;
    Decimal m_price;
    QString m_currencyCode;
    QString m_billingCycleRaw = QStringLiteral("monthly");
    qint64 m_customCycleDays = 0;
    QDateTime m_nextBillingDate;
    QString m_categoryRaw = QStringLiteral("other");
    bool m_isTrial = false;
    std::optional<QDateTime> m_trialEndDate;
    bool m_isShared = false;
    std::optional<double> m_sharePercentage;
    std::optional<QString> m_notes;
    std::optional<QString> m_paymentMethod;
    std::optional<QString> m_brandColorHex;
    std::optional<QString> m_symbolName;
    std::optional<QString> m_cancellationUrlString;
    QDateTime m_dateAdded;
    std::optional<QDateTime> m_startDate;
    bool m_isActive = true;
    std::optional<QDateTime> m_archivedDate;
    bool m_notificationsEnabled = true;
    std::optional<int> m_notificationLeadDays;
};

}  // namespace tabrino
