// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "foundation/Decimal.h"
#include "model/MonthlySnapshot.h"
#include "model/Subscription.h"
#include "store/CategorySlice.h"
#include "store/LifetimeEntry.h"
#include "store/MonthBar.h"
#include "store/TotalsConversion.h"
#include "store/UpcomingCharge.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace tabrino {

class AppSettings;
class ExchangeRatesSource;
class ModelContext;
class ReminderService;
class ServiceCatalog;

// The one way data is read and changed. Holds the active and archived
// subscriptions and the monthly snapshots, re-read after every change; keeps
// this month's snapshot current; runs launch maintenance; and asks the
// reminder service to re-plan after every change. The spending figures are
// computed on first read after a change (or a new day) and kept until the
// next; `figuresChanged` fires once per event-loop turn however many records
// changed in it.
//
// Sums add the amounts of all currencies as plain numbers, unless the user
// shows totals in one currency: then every monthly cost is converted into
// the default currency at the rates in use (exactly, not rounded), a cost in
// a currency without a rate is left out, and each figure is that exact sum
// rounded once to the currency's minor units. This month's snapshot records
// the currency and the rates' day with its total.
class SubscriptionStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<tabrino::Subscription*> active READ active NOTIFY activeChanged)
    Q_PROPERTY(QList<tabrino::Subscription*> archived READ archived NOTIFY archivedChanged)
    Q_PROPERTY(QList<tabrino::MonthlySnapshot*> snapshots READ snapshots NOTIFY snapshotsChanged)
    // The figures for QML, in the user's calendar at the moment of reading;
    // absent values read as undefined, lists hold the value types.
    Q_PROPERTY(tabrino::Decimal monthlyTotal READ monthlyTotal NOTIFY figuresChanged)
    Q_PROPERTY(QVariant monthOverMonthDelta READ monthOverMonthDeltaValue NOTIFY figuresChanged)
    Q_PROPERTY(bool hasImminentRenewal READ hasImminentRenewal NOTIFY figuresChanged)
    Q_PROPERTY(QList<tabrino::Subscription*> upcoming READ upcoming NOTIFY figuresChanged)
    Q_PROPERTY(QVariantList chargesNextSevenDays READ chargesNextSevenDaysList NOTIFY figuresChanged)
    Q_PROPERTY(QVariantList spendByCategory READ spendByCategoryList NOTIFY figuresChanged)
    Q_PROPERTY(QVariantList twelveMonthHistory READ twelveMonthHistoryList NOTIFY figuresChanged)
    Q_PROPERTY(QVariantList lifetimeSpend READ lifetimeSpendList NOTIFY figuresChanged)
    Q_PROPERTY(tabrino::Subscription* mostExpensive READ mostExpensive NOTIFY figuresChanged)
    Q_PROPERTY(QVariant averageMonthlyCost READ averageMonthlyCostValue NOTIFY figuresChanged)
    Q_PROPERTY(QString saveFailure READ saveFailure NOTIFY saveFailureChanged)

public:
    using CalendarSource = std::function<Calendar()>;

    // `calendarSource` supplies "the user's current calendar" (tests pin it).
    SubscriptionStore(ModelContext& context, AppSettings& settings, ReminderService& notifications,
                      ServiceCatalog* catalog, CalendarSource calendarSource = &Calendar::current,
                      QObject* parent = nullptr);

    ModelContext& context() const { return m_context; }
    AppSettings& settings() const { return m_settings; }
    ReminderService& notifications() const { return m_notifications; }
    ServiceCatalog* catalog() const { return m_catalog; }
    // Where totals in one currency get their rates (null: they cannot be
    // converted, so they add plain numbers); it must outlive the store.
    void setExchangeRates(ExchangeRatesSource* rates);
    Calendar currentCalendar() const { return m_calendarSource(); }

    // By next billing date / most recently archived first / oldest month first.
    const QList<Subscription*>& active() const { return m_active; }
    const QList<Subscription*>& archived() const { return m_archived; }
    const QList<MonthlySnapshot*>& snapshots() const { return m_snapshots; }

    void refresh();
    // Persists every pending change (a failure keeps them pending), updates
    // this month's snapshot, re-reads the lists and schedules re-planning.
    Q_INVOKABLE void save();
    Q_INVOKABLE void archive(tabrino::Subscription* subscription);
    Q_INVOKABLE void unarchive(tabrino::Subscription* subscription);
    // Removes the record for good (no way back, and it leaves the lifetime
    // figures), then saves.
    Q_INVOKABLE void deletePermanently(tabrino::Subscription* subscription);
    // Ends passed trials and rolls passed billing dates forward, records the
    // month's snapshot and schedules re-planning. Run at start and whenever
    // the day changes while the program runs.
    void performLaunchMaintenance();
    void captureSnapshot(const Calendar& calendar);
    void snooze(const QUuid& subscriptionId, int days);

    // Why changes could not be saved, while they wait to be; empty when
    // everything is saved. Until a save succeeds it is tried again every
    // `saveRetryInterval`, changes or not.
    QString saveFailure() const;
    std::chrono::milliseconds saveRetryInterval() const { return m_saveRetry.intervalAsDuration(); }
    void setSaveRetryInterval(std::chrono::milliseconds interval) { m_saveRetry.setInterval(interval); }
    // The subscriptions whose changes are not saved yet, by name.
    QStringList unsavedSubscriptionNames() const;
    // The last refresh could not read the lists: they are empty, not the data.
    bool hasReadFailure() const { return m_readFailed; }

    // How the figures are converted; absent while they add plain numbers.
    std::optional<TotalsConversion> totalsConversion() const;
    // A subscription's monthly cost as a figure counts it: its own, or
    // converted and rounded; absent when it cannot be converted.
    std::optional<Decimal> monthlyCostInTotals(const Subscription& subscription) const;

    // Spending figures.
    Decimal monthlyTotal() const;
    std::optional<Decimal> monthOverMonthDelta() const;
    bool hasImminentRenewal() const;
    QList<Subscription*> upcoming() const;
    QList<UpcomingCharge> chargesNextSevenDays(const QDateTime& from, const Calendar& calendar) const;
    QList<CategorySlice> spendByCategory() const;
    QList<MonthBar> twelveMonthHistory(const Calendar& calendar) const;
    QList<LifetimeEntry> lifetimeSpend() const;
    Subscription* mostExpensive() const;
    std::optional<Decimal> averageMonthlyCost() const;

Q_SIGNALS:
    void activeChanged();
    void archivedChanged();
    void snapshotsChanged();
    // Any input of the spending figures changed: a list, or an attribute of
    // a listed record. Views re-read the figures they show.
    void figuresChanged();
    void saveFailureChanged();

private:
    QVariant monthOverMonthDeltaValue() const;
    QVariantList chargesNextSevenDaysList() const;
    QVariantList spendByCategoryList() const;
    QVariantList twelveMonthHistoryList() const;
    QVariantList lifetimeSpendList() const;
    QVariant averageMonthlyCostValue() const;

    void dataDidChange(bool refetch);
    void watchRecords();
    // Drops the kept figures at once and signals the change on the next turn.
    void figuresDidChange();
    // The currency or the rates of the figures changed: they and this
    // month's snapshot follow.
    void conversionDidChange();

    // The currency the figures are converted into; absent when they add
    // plain numbers.
    std::optional<QString> totalsCurrency() const;
    // The monthly cost summed into the figures, not rounded.
    std::optional<Decimal> exactMonthlyCost(const Subscription& subscription) const;
    // An exact sum as a figure shows it.
    Decimal figure(const Decimal& exactSum) const;
    bool isRecordedDifferently(const MonthlySnapshot& snapshot) const;

    Decimal computeMonthlyTotal() const;
    std::optional<Decimal> computeMonthOverMonthDelta() const;
    bool computeHasImminentRenewal() const;
    QList<Subscription*> computeUpcoming() const;
    QList<CategorySlice> computeSpendByCategory() const;
    QList<LifetimeEntry> computeLifetimeSpend() const;
    Subscription* computeMostExpensive() const;
    std::optional<Decimal> computeAverageMonthlyCost() const;
    std::optional<TotalsConversion> computeTotalsConversion() const;

    // Figures as last computed, for the day and zone they were computed in.
    struct FigureCache {
        qint64 day = 0;
        QString zone;
        std::optional<Decimal> monthlyTotal;
        std::optional<std::optional<Decimal>> monthOverMonthDelta;
        std::optional<bool> hasImminentRenewal;
        std::optional<QList<Subscription*>> upcoming;
        std::optional<QList<CategorySlice>> spendByCategory;
        std::optional<QList<LifetimeEntry>> lifetimeSpend;
        std::optional<Subscription*> mostExpensive;
        std::optional<std::optional<Decimal>> averageMonthlyCost;
        std::optional<std::optional<TotalsConversion>> totalsConversion;
        std::optional<QVariantList> chargesNextSevenDays;
        std::optional<QVariantList> spendByCategoryList;
        std::optional<QVariantList> twelveMonthHistory;
        std::optional<QVariantList> lifetimeSpendList;
    };
    FigureCache& figures() const;
    template <typename T, typename Compute>
    const T& cached(std::optional<T> FigureCache::*slot, Compute compute) const;

    ModelContext& m_context;
    AppSettings& m_settings;
    ReminderService& m_notifications;
    ServiceCatalog* m_catalog;
    ExchangeRatesSource* m_rates = nullptr;
    CalendarSource m_calendarSource;
    QList<Subscription*> m_active;
    QList<Subscription*> m_archived;
    QList<MonthlySnapshot*> m_snapshots;
    bool m_readFailed = false;  // the last refresh could not read the lists
    bool m_refreshed = false;   // the lists were read at least once
    mutable FigureCache m_figures;
    bool m_figuresSignalPending = false;
    QTimer m_saveRetry;
};

}  // namespace tabrino
