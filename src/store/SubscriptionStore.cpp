// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/SubscriptionStore.h"

#include "foundation/Clock.h"
#include "foundation/OptionalVariant.h"
#include "rates/CurrencyConverter.h"
#include "rates/ExchangeRatesSource.h"
#include "settings/AppSettings.h"
#include "store/ModelContext.h"
#include "store/ReminderService.h"

#include <QPointer>

#include <algorithm>

namespace tabrino {

namespace {

// Replaces `list` and notifies only when membership or order changed.
template <typename T>
bool replaceList(QList<T*>& list, const std::optional<QList<T*>>& fetched)
{
    const QList<T*> next = fetched.value_or(QList<T*>());
    if (next == list)
        return false;
    list = next;
    return true;
}

}  // namespace

SubscriptionStore::SubscriptionStore(ModelContext& context, AppSettings& settings, ReminderService& notifications,
                                     ServiceCatalog* catalog, CalendarSource calendarSource, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_settings(settings)
    , m_notifications(notifications)
    , m_catalog(catalog)
    , m_calendarSource(std::move(calendarSource))
{
    m_notifications.setSnoozeHandler([store = QPointer<SubscriptionStore>(this)](const QUuid& id) {
        if (store)
            store->snooze(id, 1);
    });
    // Nothing runs while saves succeed; a failed one is tried again until it
    // goes through (space freed, the disk back), so no change waits for the
    // next edit or is lost at quit.
    m_saveRetry.setSingleShot(true);
    m_saveRetry.setInterval(std::chrono::seconds(30));
    connect(&m_saveRetry, &QTimer::timeout, this, [this] {
        save();
        if (!m_context.saveFailure().isEmpty())
            m_saveRetry.start();
    });
    connect(&m_context, &ModelContext::saveFailureChanged, this, [this] {
        if (m_context.saveFailure().isEmpty())
            m_saveRetry.stop();
        else if (!m_saveRetry.isActive())
            m_saveRetry.start();
        Q_EMIT saveFailureChanged();
    });
    connect(&m_settings, &AppSettings::showsTotalsInOneCurrencyChanged, this, &SubscriptionStore::conversionDidChange);
    connect(&m_settings, &AppSettings::defaultCurrencyCodeChanged, this, [this] {
        if (totalsCurrency())
            conversionDidChange();
    });
}

void SubscriptionStore::setExchangeRates(ExchangeRatesSource* rates)
{
    if (m_rates)
        disconnect(m_rates, nullptr, this, nullptr);
    m_rates = rates;
    if (rates) {
        connect(rates, &ExchangeRatesSource::changed, this, [this] {
            if (totalsCurrency())
                conversionDidChange();
        });
    }
    if (m_settings.showsTotalsInOneCurrency())
        conversionDidChange();
}

QString SubscriptionStore::saveFailure() const
{
    return m_context.saveFailure();
}

QStringList SubscriptionStore::unsavedSubscriptionNames() const
{
    QStringList names;
    for (const Subscription* subscription : m_context.pending<Subscription>())
        names << subscription->name();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    return names;
}

void SubscriptionStore::refresh()
{
    const auto active = m_context.fetch<Subscription>(
        {[](const Subscription& s) { return s.isActive(); },
         [](const Subscription& a, const Subscription& b) { return a.nextBillingDate() < b.nextBillingDate(); }});
    const auto archived = m_context.fetch<Subscription>({[](const Subscription& s) { return !s.isActive(); },
                                                         [](const Subscription& a, const Subscription& b) {
                                                             // Most recently archived first; undated ones last.
                                                             return a.archivedDate().value_or(QDateTime())
                                                                 > b.archivedDate().value_or(QDateTime());
                                                         }});
    const auto snapshots = m_context.fetch<MonthlySnapshot>(
        {{}, [](const MonthlySnapshot& a, const MonthlySnapshot& b) { return a.monthStart() < b.monthStart(); }});
    m_readFailed = !active || !archived || !snapshots;
    m_refreshed = true;
    const bool activeChangedNow = replaceList(m_active, active);
    const bool archivedChangedNow = replaceList(m_archived, archived);
    const bool snapshotsChangedNow = replaceList(m_snapshots, snapshots);
    watchRecords();
    if (activeChangedNow)
        Q_EMIT activeChanged();
    if (archivedChangedNow)
        Q_EMIT archivedChanged();
    if (snapshotsChangedNow)
        Q_EMIT snapshotsChanged();
    if (activeChangedNow || archivedChangedNow || snapshotsChangedNow)
        figuresDidChange();
}

void SubscriptionStore::watchRecords()
{
    const auto watch = [this](PersistentRecord* record) {
        connect(record, &PersistentRecord::changed, this, &SubscriptionStore::figuresDidChange, Qt::UniqueConnection);
    };
    std::for_each(m_active.begin(), m_active.end(), watch);
    std::for_each(m_archived.begin(), m_archived.end(), watch);
    std::for_each(m_snapshots.begin(), m_snapshots.end(), watch);
}

void SubscriptionStore::save()
{
    m_context.save();  // a failure keeps the changes pending for the next save
    dataDidChange(true);
}

void SubscriptionStore::dataDidChange(bool refetch)
{
    const Calendar calendar = currentCalendar();
    // Lists that could not be read are empty, not true: recording them as
    // this month's figures or planning reminders from them would destroy data.
    if (!m_readFailed)
        captureSnapshot(calendar);
    if (refetch)
        refresh();
    if (m_readFailed)
        return;
    // Records are never freed while the context lives, so the list stays
    // valid until the queued call runs.
    QMetaObject::invokeMethod(
        this, [this, subscriptions = m_active, calendar] { m_notifications.reconcile(subscriptions, calendar); },
        Qt::QueuedConnection);
}

void SubscriptionStore::archive(Subscription* subscription)
{
    if (!subscription)
        return;
    subscription->setIsActive(false);
    subscription->setArchivedDate(Clock::now());
    save();
}

void SubscriptionStore::unarchive(Subscription* subscription)
{
    if (!subscription)
        return;
    subscription->setIsActive(true);
    subscription->setArchivedDate(std::nullopt);
    subscription->rollForwardIfNeeded(Clock::now(), currentCalendar());
    save();
}

void SubscriptionStore::deletePermanently(Subscription* subscription)
{
    if (!subscription)
        return;
    m_context.remove(subscription);
    save();
}

void SubscriptionStore::performLaunchMaintenance()
{
    const Calendar calendar = currentCalendar();
    bool changed = false;
    for (Subscription* subscription : std::as_const(m_active)) {
        const QDateTime now = Clock::now();
        const std::optional<QDateTime> trialEnd = subscription->trialEndDate();
        if (subscription->isTrial() && trialEnd && *trialEnd < now) {
            subscription->setIsTrial(false);
            if (*trialEnd >= subscription->nextBillingDate())
                subscription->setNextBillingDate(*trialEnd);
            changed = true;
        }
        if (subscription->rollForwardIfNeeded(now, calendar))
            changed = true;
    }
    if (changed)
        m_context.save();
    dataDidChange(changed);
    // The day may have changed since the figures were last read.
    figuresDidChange();
}

void SubscriptionStore::figuresDidChange()
{
    m_figures = {};
    if (m_figuresSignalPending)
        return;
    m_figuresSignalPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_figuresSignalPending = false;
            Q_EMIT figuresChanged();
        },
        Qt::QueuedConnection);
}

void SubscriptionStore::conversionDidChange()
{
    figuresDidChange();
    // Only lists that were read are the month's figures; a snapshot recorded
    // here for the first time joins the list at once.
    if (m_refreshed && !m_readFailed) {
        captureSnapshot(currentCalendar());
        refresh();
    }
}

SubscriptionStore::FigureCache& SubscriptionStore::figures() const
{
    // Day counts decide several figures, so a new day outdates them even
    // when no record changed.
    const Calendar calendar = currentCalendar();
    const qint64 today = calendar.startOfDay(Clock::now()).toMSecsSinceEpoch();
    if (m_figures.day != today || m_figures.zone != calendar.timeZoneId()) {
        m_figures = {};
        m_figures.day = today;
        m_figures.zone = calendar.timeZoneId();
    }
    return m_figures;
}

template <typename T, typename Compute>
const T& SubscriptionStore::cached(std::optional<T> FigureCache::*slot, Compute compute) const
{
    std::optional<T>& value = figures().*slot;
    if (!value)
        value = compute();
    return *value;
}

void SubscriptionStore::captureSnapshot(const Calendar& calendar)
{
    const QDateTime now = Clock::now();
    const QDateTime month = MonthlySnapshot::startOfMonth(now, calendar);
    const Decimal total = monthlyTotal();
    const qint64 count = m_active.size();
    const std::optional<QString> currency = totalsCurrency();
    const QDate day = currency ? m_rates->rates().date() : QDate();
    const std::optional<QDate> ratesDate = day.isValid() ? std::optional<QDate>(day) : std::nullopt;
    const auto found = std::find_if(m_snapshots.begin(), m_snapshots.end(),
                                    [&](const MonthlySnapshot* s) { return s->monthStart() == month; });
    if (found != m_snapshots.end()) {
        MonthlySnapshot* snapshot = *found;
        if (snapshot->monthlyTotal() == total && snapshot->activeSubscriptionCount() == count
            && snapshot->convertedCurrencyCode() == currency && snapshot->ratesDate() == ratesDate)
            return;
        snapshot->setMonthlyTotal(total);
        snapshot->setActiveSubscriptionCount(count);
        snapshot->setConvertedCurrencyCode(currency);
        snapshot->setRatesDate(ratesDate);
        snapshot->setCapturedAt(now);
    } else {
        auto* snapshot = new MonthlySnapshot(month, total, count);
        snapshot->setConvertedCurrencyCode(currency);
        snapshot->setRatesDate(ratesDate);
        m_context.insert(snapshot);
    }
    m_context.save();
}

void SubscriptionStore::snooze(const QUuid& subscriptionId, int days)
{
    const auto found = std::find_if(m_active.begin(), m_active.end(),
                                    [&](const Subscription* s) { return s->id() == subscriptionId; });
    if (found == m_active.end())
        return;
    Subscription* subscription = *found;
    subscription->setNotificationLeadDays(std::max(subscription->leadDaysForNotification() - days, 0));
    save();
}

// MARK: spending figures

std::optional<QString> SubscriptionStore::totalsCurrency() const
{
    if (!m_rates || !m_settings.showsTotalsInOneCurrency())
        return std::nullopt;
    return m_settings.defaultCurrencyCode();
}

std::optional<Decimal> SubscriptionStore::exactMonthlyCost(const Subscription& subscription) const
{
    const std::optional<QString> currency = totalsCurrency();
    if (!currency)
        return subscription.monthlyCost();
    return CurrencyConverter(m_rates->rates())
        .convert(subscription.monthlyCost(), subscription.currencyCode(), *currency);
}

Decimal SubscriptionStore::figure(const Decimal& exactSum) const
{
    const std::optional<QString> currency = totalsCurrency();
    return currency ? CurrencyConverter::rounded(exactSum, *currency) : exactSum;
}

bool SubscriptionStore::isRecordedDifferently(const MonthlySnapshot& snapshot) const
{
    return snapshot.convertedCurrencyCode() != totalsCurrency();
}

std::optional<Decimal> SubscriptionStore::monthlyCostInTotals(const Subscription& subscription) const
{
    const std::optional<Decimal> cost = exactMonthlyCost(subscription);
    return cost ? std::optional<Decimal>(figure(*cost)) : std::nullopt;
}

std::optional<TotalsConversion> SubscriptionStore::totalsConversion() const
{
    return cached(&FigureCache::totalsConversion, [this] { return computeTotalsConversion(); });
}

std::optional<TotalsConversion> SubscriptionStore::computeTotalsConversion() const
{
    const std::optional<QString> currency = totalsCurrency();
    if (!currency)
        return std::nullopt;
    TotalsConversion conversion{*currency, m_rates->rates().date(), {}};
    QMap<QString, int> leftOut;
    for (const Subscription* subscription : m_active) {
        if (!exactMonthlyCost(*subscription))
            ++leftOut[subscription->currencyCode()];
    }
    for (auto it = leftOut.cbegin(); it != leftOut.cend(); ++it)
        conversion.leftOut << TotalsConversion::LeftOut{it.key(), it.value()};
    return conversion;
}

Decimal SubscriptionStore::monthlyTotal() const
{
    return cached(&FigureCache::monthlyTotal, [this] { return computeMonthlyTotal(); });
}

Decimal SubscriptionStore::computeMonthlyTotal() const
{
    Decimal total;
    for (const Subscription* subscription : m_active) {
        if (const std::optional<Decimal> cost = exactMonthlyCost(*subscription))
            total += *cost;
    }
    return figure(total);
}

std::optional<Decimal> SubscriptionStore::monthOverMonthDelta() const
{
    return cached(&FigureCache::monthOverMonthDelta, [this] { return computeMonthOverMonthDelta(); });
}

std::optional<Decimal> SubscriptionStore::computeMonthOverMonthDelta() const
{
    const QDateTime thisMonth = MonthlySnapshot::startOfMonth(Clock::now(), currentCalendar());
    const auto previous = std::find_if(m_snapshots.rbegin(), m_snapshots.rend(),
                                       [&](const MonthlySnapshot* s) { return s->monthStart() < thisMonth; });
    // A month recorded in another currency, or converted where the figures
    // are not or the other way round, is not the same measure.
    if (previous == m_snapshots.rend() || isRecordedDifferently(**previous))
        return std::nullopt;
    const Decimal current = monthlyTotal();
    const Decimal before = (*previous)->monthlyTotal();
    if (!(before > Decimal(0)) && !(current > Decimal(0)))
        return std::nullopt;
    return current - before;
}

bool SubscriptionStore::hasImminentRenewal() const
{
    return cached(&FigureCache::hasImminentRenewal, [this] { return computeHasImminentRenewal(); });
}

bool SubscriptionStore::computeHasImminentRenewal() const
{
    const QDateTime now = Clock::now();
    const Calendar calendar = currentCalendar();
    return std::any_of(m_active.begin(), m_active.end(), [&](const Subscription* s) {
        std::optional<int> days;
        if (s->isTrial())
            days = s->daysUntilTrialEnd(now, calendar);
        else
            days = s->daysUntilRenewal(now, calendar);
        return days && *days >= 0 && *days <= 3;
    });
}

QList<Subscription*> SubscriptionStore::upcoming() const
{
    return cached(&FigureCache::upcoming, [this] { return computeUpcoming(); });
}

QList<Subscription*> SubscriptionStore::computeUpcoming() const
{
    QList<Subscription*> result = m_active;
    std::stable_sort(result.begin(), result.end(), [](const Subscription* a, const Subscription* b) {
        return a->effectiveNextDate() < b->effectiveNextDate();
    });
    return result;
}

QList<UpcomingCharge> SubscriptionStore::chargesNextSevenDays(const QDateTime& from, const Calendar& calendar) const
{
    const QDateTime start = calendar.startOfDay(from);
    const std::optional<QDateTime> end = calendar.adding(CalendarUnit::Day, 7, start);
    if (!end)
        return {};
    QList<UpcomingCharge> charges;
    for (Subscription* subscription : upcoming()) {
        const QDateTime date = subscription->effectiveNextDate();
        if (start <= date && date < *end)
            charges << UpcomingCharge{subscription, date};
    }
    std::stable_sort(charges.begin(), charges.end(),
                     [](const UpcomingCharge& a, const UpcomingCharge& b) { return a.date < b.date; });
    return charges;
}

QList<CategorySlice> SubscriptionStore::spendByCategory() const
{
    return cached(&FigureCache::spendByCategory, [this] { return computeSpendByCategory(); });
}

QList<CategorySlice> SubscriptionStore::computeSpendByCategory() const
{
    QList<CategorySlice> slices;
    for (SubscriptionCategory category : SubscriptionCategory::values()) {
        Decimal exact;
        for (const Subscription* subscription : m_active) {
            if (subscription->category() != category)
                continue;
            if (const std::optional<Decimal> cost = exactMonthlyCost(*subscription))
                exact += *cost;
        }
        const Decimal total = figure(exact);
        if (total > Decimal(0))
            slices << CategorySlice{category, total};
    }
    std::stable_sort(slices.begin(), slices.end(),
                     [](const CategorySlice& a, const CategorySlice& b) { return a.total > b.total; });
    return slices;
}

QList<MonthBar> SubscriptionStore::twelveMonthHistory(const Calendar& calendar) const
{
    const QDateTime thisMonth = MonthlySnapshot::startOfMonth(Clock::now(), calendar);
    QHash<qint64, const MonthlySnapshot*> byMonth;
    for (const MonthlySnapshot* snapshot : m_snapshots)
        byMonth.insert(snapshot->monthStart().toMSecsSinceEpoch(), snapshot);
    const Decimal current = monthlyTotal();
    QList<MonthBar> bars;
    for (int offset = -11; offset <= 0; ++offset) {
        const std::optional<QDateTime> month = calendar.adding(CalendarUnit::Month, offset, thisMonth);
        if (!month)
            continue;
        const MonthlySnapshot* snapshot = byMonth.value(month->toMSecsSinceEpoch());
        bars << (snapshot ? MonthBar{*month, snapshot->monthlyTotal(), false, isRecordedDifferently(*snapshot)}
                          : MonthBar{*month, current, true});
    }
    return bars;
}

QList<LifetimeEntry> SubscriptionStore::lifetimeSpend() const
{
    return cached(&FigureCache::lifetimeSpend, [this] { return computeLifetimeSpend(); });
}

QList<LifetimeEntry> SubscriptionStore::computeLifetimeSpend() const
{
    const QDateTime now = Clock::now();
    const Calendar calendar = currentCalendar();
    QList<LifetimeEntry> entries;
    for (const QList<Subscription*>* list : {&m_active, &m_archived}) {
        for (Subscription* subscription : *list) {
            const Decimal total = subscription->lifetimeSpend(now, calendar);
            if (total > Decimal(0))
                entries << LifetimeEntry{subscription, total};
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LifetimeEntry& a, const LifetimeEntry& b) { return a.total > b.total; });
    return entries;
}

Subscription* SubscriptionStore::mostExpensive() const
{
    return cached(&FigureCache::mostExpensive, [this] { return computeMostExpensive(); });
}

Subscription* SubscriptionStore::computeMostExpensive() const
{
    Subscription* best = nullptr;
    Decimal bestCost;
    for (Subscription* subscription : m_active) {
        const std::optional<Decimal> cost = exactMonthlyCost(*subscription);
        if (cost && (!best || *cost > bestCost)) {
            best = subscription;
            bestCost = *cost;
        }
    }
    return best;
}

std::optional<Decimal> SubscriptionStore::averageMonthlyCost() const
{
    return cached(&FigureCache::averageMonthlyCost, [this] { return computeAverageMonthlyCost(); });
}

std::optional<Decimal> SubscriptionStore::computeAverageMonthlyCost() const
{
    // Over the subscriptions the total counts: one left out is no cheaper.
    Decimal exact;
    long long counted = 0;
    for (const Subscription* subscription : m_active) {
        if (const std::optional<Decimal> cost = exactMonthlyCost(*subscription)) {
            exact += *cost;
            ++counted;
        }
    }
    if (counted == 0)
        return std::nullopt;
    return figure(exact / Decimal(counted));
}

// MARK: the figures as QML reads them

namespace {

template <typename T>
QVariantList toVariantList(const QList<T>& values)
{
    QVariantList list;
    list.reserve(values.size());
    for (const T& value : values)
        list << QVariant::fromValue(value);
    return list;
}

}  // namespace

QVariant SubscriptionStore::monthOverMonthDeltaValue() const
{
    return optionalToVariant(monthOverMonthDelta());
}

QVariantList SubscriptionStore::chargesNextSevenDaysList() const
{
    return cached(&FigureCache::chargesNextSevenDays,
                  [this] { return toVariantList(chargesNextSevenDays(Clock::now(), currentCalendar())); });
}

QVariantList SubscriptionStore::spendByCategoryList() const
{
    return cached(&FigureCache::spendByCategoryList, [this] { return toVariantList(spendByCategory()); });
}

QVariantList SubscriptionStore::twelveMonthHistoryList() const
{
    return cached(&FigureCache::twelveMonthHistory,
                  [this] { return toVariantList(twelveMonthHistory(currentCalendar())); });
}

QVariantList SubscriptionStore::lifetimeSpendList() const
{
    return cached(&FigureCache::lifetimeSpendList, [this] { return toVariantList(lifetimeSpend()); });
}

QVariant SubscriptionStore::averageMonthlyCostValue() const
{
    return optionalToVariant(averageMonthlyCost());
}

}  // namespace tabrino
