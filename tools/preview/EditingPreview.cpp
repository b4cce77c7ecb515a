// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EditingPreview.h"

#include "foundation/Clock.h"
#include "model/Subscription.h"
#include "store/SubscriptionStore.h"
#include "ui/editing/Prefill.h"

#include <QQuickItem>
#include <QTest>
#include <QVariant>

namespace {

QObject* child(QQuickItem* root, const char* name)
{
    return root->findChild<QObject*>(QString::fromLatin1(name));
}

QObject* objectProperty(QObject* object, const char* name)
{
    return object ? object->property(name).value<QObject*>() : nullptr;
}

bool call(QObject* object, const char* method)
{
    return object && QMetaObject::invokeMethod(object, method);
}

// The add screen's flow, with the search text typed in.
QObject* openAdd(QQuickItem* panel, const char* query)
{
    if (!call(objectProperty(panel, "navigator"), "openAdd"))
        return nullptr;
    QTest::qWait(300);
    QObject* flow = objectProperty(child(panel, "addView"), "flow");
    if (flow)
        flow->setProperty("query", QString::fromUtf8(query));
    QTest::qWait(200);
    return flow;
}

}  // namespace

bool EditingPreview::handles(const QString& screen)
{
    return screen == u"add-search" || screen == u"add-plan" || screen == u"add-form" || screen == u"edit-form";
}

bool EditingPreview::open(QQuickItem* panel, const QString& screen)
{
    if (screen == u"edit-form") {
        auto* store = panel->property("store").value<tabrino::SubscriptionStore*>();
        QObject* navigator = objectProperty(panel, "navigator");
        if (!store || !navigator)
            return false;
        // A record with a share, so the form shows its slider.
        for (tabrino::Subscription* record : store->active())
            if (record->isShared())
                return QMetaObject::invokeMethod(navigator, "openEdit", Q_ARG(tabrino::Subscription*, record));
        return false;
    }
    QObject* flow = openAdd(panel, screen == u"add-search" ? "spo" : "spotify");
    if (!flow)
        return false;
    if (screen == u"add-search")
        return true;
    if (!call(flow, "selectFirstResult"))
        return false;
    QTest::qWait(300);
    QObject* picker = objectProperty(child(panel, "planStage"), "planModel");
    if (!picker)
        return false;
    if (screen == u"add-plan")
        return QMetaObject::invokeMethod(picker, "select", Q_ARG(int, 1));
    tabrino::Prefill prefill;
    if (!QMetaObject::invokeMethod(picker, "customizedPrefill", Q_RETURN_ARG(tabrino::Prefill, prefill))
        || !QMetaObject::invokeMethod(flow, "customize", Q_ARG(tabrino::Prefill, prefill)))
        return false;
    QTest::qWait(300);
    QObject* form = objectProperty(child(panel, "customStage"), "formModel");
    if (!form)
        return false;
    // A month free, charged from the day it ends.
    const QDateTime trialEnd = tabrino::Clock::now().addMonths(1);
    form->setProperty("isTrial", true);
    form->setProperty("trialEndDate", trialEnd);
    form->setProperty("nextBillingDate", trialEnd);
    form->setProperty("isShared", true);
    form->setProperty("sharePercent", 40);
    form->setProperty("paymentMethod", QStringLiteral("Visa •••• 4242"));
    QTest::qWait(500);
    return true;
}
