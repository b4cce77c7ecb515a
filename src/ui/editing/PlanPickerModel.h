// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogPlan.h"
#include "catalog/CatalogService.h"
#include "store/SubscriptionStore.h"
#include "ui/editing/Prefill.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

// The plan picker of a catalog service: the plans as pills, the selected one
// and the first charge date it proposes, and the two ways on: add the record
// at once, or customise it in the form.
class PlanPickerModel : public QObject, public QQmlParserStatus {
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(tabrino::CatalogService service READ service WRITE setService NOTIFY serviceChanged)
    // The plan selected from the start; one the service does not offer (the
    // empty plan among them) selects none.
    Q_PROPERTY(tabrino::CatalogPlan initialPlan READ initialPlan WRITE setInitialPlan NOTIFY serviceChanged)
    Q_PROPERTY(QString serviceName READ serviceName NOTIFY serviceChanged)
    Q_PROPERTY(QString colorHex READ colorHex NOTIFY serviceChanged)
    Q_PROPERTY(QString symbol READ symbol NOTIFY serviceChanged)
    // One { id, name, priceText, accessibilityText } per plan, in catalog order.
    Q_PROPERTY(QVariantList plans READ plans NOTIFY serviceChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectionChanged)
    Q_PROPERTY(bool hasSelection READ hasSelection NOTIFY selectionChanged)
    Q_PROPERTY(QDateTime nextBillingDate READ nextBillingDate WRITE setNextBillingDate NOTIFY nextBillingDateChanged)
    Q_PROPERTY(QString addButtonText READ addButtonText NOTIFY serviceChanged)

public:
    explicit PlanPickerModel(QObject* parent = nullptr);

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    const CatalogService& service() const { return m_service; }
    void setService(const CatalogService& service);
    const CatalogPlan& initialPlan() const { return m_initialPlan; }
    void setInitialPlan(const CatalogPlan& plan);

    QString serviceName() const { return m_service.name; }
    QString colorHex() const { return m_service.brandColor; }
    QString symbol() const { return m_service.symbol; }
    QVariantList plans() const;
    int selectedIndex() const { return m_selectedIndex; }
    bool hasSelection() const { return m_selectedIndex >= 0; }
    std::optional<CatalogPlan> selectedPlan() const;
    QDateTime nextBillingDate() const { return m_nextBillingDate; }
    void setNextBillingDate(const QDateTime& date);
    QString addButtonText() const;

    // The starting state, once the inputs are set: the initial plan, or the
    // only plan, selected, and a first charge one period from now.
    void start();

    // Selects the plan and proposes its first charge one period from now,
    // replacing any date picked before.
    Q_INVOKABLE void select(int index);
    // The form's seed from the selected plan, or the cheapest without one.
    Q_INVOKABLE tabrino::Prefill customizedPrefill() const;
    // Adds the selected plan as a US-dollar record and saves; false when no
    // plan is selected.
    Q_INVOKABLE bool confirm();

    // "Standard" "$15.49/mo", and "Standard, $15.49 per month".
    static QString priceText(const CatalogPlan& plan);
    static QString accessibilityText(const CatalogPlan& plan);

    void classBegin() override {}
    void componentComplete() override { start(); }

Q_SIGNALS:
    void storeChanged();
    void serviceChanged();
    void selectionChanged();
    void nextBillingDateChanged();

private:
    int indexOf(const CatalogPlan& plan) const;
    QDateTime onePeriodFromNow(const BillingCycle& cycle) const;

    QPointer<SubscriptionStore> m_store;
    CatalogService m_service;
    CatalogPlan m_initialPlan;
    int m_selectedIndex = -1;
    QDateTime m_nextBillingDate;
};

}  // namespace tabrino
