// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogPlan.h"
#include "catalog/CatalogService.h"
#include "store/SubscriptionStore.h"
#include "ui/editing/CatalogResultsModel.h"
#include "ui/editing/Prefill.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

// The add screen's three stages: searching the catalog, choosing a plan of
// a service, and filling in the form. Holds the search text and the stage;
// the plan picker and the form do the rest.
class AddFlow : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(Stage stage READ stage NOTIFY stageChanged)
    Q_PROPERTY(QString title READ title NOTIFY stageChanged)
    Q_PROPERTY(tabrino::CatalogResultsModel* results READ results CONSTANT)
    Q_PROPERTY(QString customRowLabel READ customRowLabel NOTIFY queryChanged)
    // The service of the plan stage (a CatalogService), else null.
    Q_PROPERTY(QVariant service READ serviceValue NOTIFY stageChanged)
    // The seed of the form stage (a Prefill), else null.
    Q_PROPERTY(QVariant prefill READ prefillValue NOTIFY stageChanged)
    // The plan the plan picker starts with (a CatalogPlan), or null.
    Q_PROPERTY(QVariant initialPlan READ initialPlanValue WRITE setInitialPlanValue NOTIFY initialPlanChanged)

public:
    enum class Stage { Search, Plan, Custom };
    Q_ENUM(Stage)

    explicit AddFlow(QObject* parent = nullptr);

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    QString query() const { return m_query; }
    void setQuery(const QString& query);
    Stage stage() const { return m_stage; }
    QString title() const;
    CatalogResultsModel* results() const { return m_results; }
    QString customRowLabel() const;
    const std::optional<CatalogService>& service() const { return m_service; }
    const std::optional<Prefill>& prefill() const { return m_prefill; }

    // A result row: that service's plans.
    Q_INVOKABLE void choose(int row);
    // Return in the search field: the first result's plans; nothing without one.
    Q_INVOKABLE bool selectFirstResult();
    // The custom row: the form, seeded with the search text as a name.
    Q_INVOKABLE void chooseCustom();
    // "Customize details…" in the plan picker: the form with that seed.
    Q_INVOKABLE void customize(const QVariant& prefill);
    // Back to the search, keeping the text; from the search, the flow ends.
    Q_INVOKABLE void back();

Q_SIGNALS:
    void storeChanged();
    void queryChanged();
    void stageChanged();
    void initialPlanChanged();
    // The flow is over, whether a record was added or not.
    void done();

private:
    QVariant serviceValue() const;
    QVariant prefillValue() const;
    QVariant initialPlanValue() const;
    void setInitialPlanValue(const QVariant& plan);
    void moveTo(Stage stage, std::optional<CatalogService> service, std::optional<Prefill> prefill);

    QPointer<SubscriptionStore> m_store;
    CatalogResultsModel* m_results;
    QString m_query;
    Stage m_stage = Stage::Search;
    std::optional<CatalogService> m_service;
    std::optional<Prefill> m_prefill;
    std::optional<CatalogPlan> m_initialPlan;
};

}  // namespace tabrino
