// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/PlanPickerModel.h"

#include "format/MoneyFormatter.h"
#include "foundation/Clock.h"
#include "model/Subscription.h"
#include "ui/editing/FormRules.h"
#include "ui/editing/NewSubscription.h"

#include <QVariantMap>

namespace tabrino {

namespace {

const QString kDollars = QStringLiteral("USD");

}  // namespace

PlanPickerModel::PlanPickerModel(QObject* parent) : QObject(parent)
{
}

void PlanPickerModel::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    m_store = store;
    Q_EMIT storeChanged();
}

void PlanPickerModel::setService(const CatalogService& service)
{
    m_service = service;
    Q_EMIT serviceChanged();
}

void PlanPickerModel::setInitialPlan(const CatalogPlan& plan)
{
    m_initialPlan = plan;
    Q_EMIT serviceChanged();
}

QVariantList PlanPickerModel::plans() const
{
    QVariantList list;
    for (const CatalogPlan& plan : m_service.plans)
        list.append(QVariantMap{{QStringLiteral("id"), plan.id()},
                                {QStringLiteral("name"), plan.name},
                                {QStringLiteral("priceText"), priceText(plan)},
                                {QStringLiteral("accessibilityText"), accessibilityText(plan)}});
    return list;
}

std::optional<CatalogPlan> PlanPickerModel::selectedPlan() const
{
    if (m_selectedIndex < 0 || m_selectedIndex >= m_service.plans.size())
        return std::nullopt;
    return m_service.plans.at(m_selectedIndex);
}

void PlanPickerModel::setNextBillingDate(const QDateTime& date)
{
    if (m_nextBillingDate == date || !date.isValid())
        return;
    m_nextBillingDate = date;
    Q_EMIT nextBillingDateChanged();
}

QString PlanPickerModel::addButtonText() const
{
    //: The plan picker's button; %1 is a service's name: "Add Netflix"
    return tr("Add %1").arg(m_service.name);
}

int PlanPickerModel::indexOf(const CatalogPlan& plan) const
{
    // Plans are told apart by their id, as the pills are.
    for (qsizetype i = 0; i < m_service.plans.size(); ++i)
        if (m_service.plans[i].id() == plan.id())
            return int(i);
    return -1;
}

QDateTime PlanPickerModel::onePeriodFromNow(const BillingCycle& cycle) const
{
    const Calendar calendar = m_store ? m_store->currentCalendar() : Calendar::current();
    return FormRules::onePeriodAfter(Clock::now(), cycle, calendar);
}

void PlanPickerModel::start()
{
    m_selectedIndex = indexOf(m_initialPlan);
    setNextBillingDate(onePeriodFromNow(hasSelection() ? m_initialPlan.billingCycle() : BillingCycle::monthly()));
    Q_EMIT selectionChanged();
    if (m_service.plans.size() == 1)
        select(0);
}

void PlanPickerModel::select(int index)
{
    if (index < 0 || index >= m_service.plans.size())
        return;
    m_selectedIndex = index;
    setNextBillingDate(onePeriodFromNow(m_service.plans.at(index).billingCycle()));
    Q_EMIT selectionChanged();
}

Prefill PlanPickerModel::customizedPrefill() const
{
    const std::optional<CatalogPlan> plan = hasSelection() ? selectedPlan() : m_service.defaultPlan();
    return Prefill::fromService(m_service, plan);
}

bool PlanPickerModel::confirm()
{
    const std::optional<CatalogPlan> plan = selectedPlan();
    if (!plan || !m_store)
        return false;
    auto* record = new Subscription(
        m_service.name, plan->price, kDollars, plan->billingCycle(), m_nextBillingDate,
        SubscriptionCategory::fromString(m_service.category).value_or(SubscriptionCategory::Other), m_service.id);
    record->setBrandColorHex(m_service.brandColor);
    record->setSymbolName(m_service.symbol);
    record->setCancellationUrlString(m_service.cancellationUrl);
    NewSubscription::add(*m_store, record);
    return true;
}

QString PlanPickerModel::priceText(const CatalogPlan& plan)
{
    return MoneyFormatter::twoDecimals(plan.price, kDollars) + plan.billingCycle().localizedSuffix();
}

QString PlanPickerModel::accessibilityText(const CatalogPlan& plan)
{
    //: Read out for a plan: %1 is the plan's name, %2 its price and cycle ("$7.99 per month")
    return tr("%1, %2").arg(plan.name,
                            plan.billingCycle().localizedPrice(MoneyFormatter::twoDecimals(plan.price, kDollars)));
}

}  // namespace tabrino
