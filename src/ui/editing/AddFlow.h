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
#include <QtQml/qqmlregistration.h>

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
    // The service of the plan stage; an empty one in the other stages.
    Q_PROPERTY(tabrino::CatalogService service READ service NOTIFY stageChanged)
    // The seed of the form stage; a blank one in the other stages.
    Q_PROPERTY(tabrino::Prefill prefill READ prefill NOTIFY stageChanged)
    // The plan the plan picker starts with; the empty plan is none.
    Q_PROPERTY(tabrino::CatalogPlan initialPlan READ initialPlan WRITE setInitialPlan NOTIFY initialPlanChanged)

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
    const CatalogService& service() const { return m_service; }
    const Prefill& prefill() const { return m_prefill; }
    const CatalogPlan& initialPlan() const { return m_initialPlan; }
    void setInitialPlan(const CatalogPlan& plan);

    // A result row: that service's plans.
    Q_INVOKABLE void choose(int row);
    // Return in the search field: the first result's plans; nothing without one.
    Q_INVOKABLE bool selectFirstResult();
    // The custom row: the form, seeded with the search text as a name.
    Q_INVOKABLE void chooseCustom();
    // "Customize details…" in the plan picker: the form with that seed.
    Q_INVOKABLE void customize(const tabrino::Prefill& prefill);
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
    void moveTo(Stage stage, const CatalogService& service, const Prefill& prefill);

    QPointer<SubscriptionStore> m_store;
    CatalogResultsModel* m_results;
    QString m_query;
    Stage m_stage = Stage::Search;
    CatalogService m_service;
    Prefill m_prefill;
    CatalogPlan m_initialPlan;
};

}  // namespace tabrino
