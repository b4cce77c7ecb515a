// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreFixture.h"

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>

using namespace tabrino;
using namespace tabrino::test;

using QmlFiguresTest = StoreFixture;

// Screens bind to the figures; a change of any input re-evaluates the bindings.
TEST_F(QmlFiguresTest, bindingsFollowTheData)
{
    launch();
    store->refresh();
    Subscription* music =
        add(u"Music"_qs, "5", BillingCycle::monthly(), local(calendar, 2025, 3, 11, 9), SubscriptionCategory::Music);
    add(u"Video"_qs, "12", BillingCycle::monthly(), local(calendar, 2025, 3, 25, 9));
    store->save();

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQml
        QtObject {
            required property var store
            property int slices: store.spendByCategory.length
            property string topCategory: store.spendByCategory[0].displayName
            property bool dot: store.hasImminentRenewal
            property int week: store.chargesNextSevenDays.length
            property int bars: store.twelveMonthHistory.length
            property bool lastBarEstimated: store.twelveMonthHistory[11].isEstimated
            property string first: store.upcoming[0].name
            property string priciest: store.mostExpensive ? store.mostExpensive.name : ""
            property bool hasDelta: store.monthOverMonthDelta != null
        })"_qba,
                      QUrl());
    std::unique_ptr<QObject> view(
        component.createWithInitialProperties({{u"store"_qs, QVariant::fromValue(store.get())}}));
    ASSERT_TRUE(view) << component.errorString().toStdString();
    EXPECT_EQ(view->property("slices").toInt(), 2);
    EXPECT_EQ(view->property("topCategory").toString(), u"Streaming");
    EXPECT_TRUE(view->property("dot").toBool());
    EXPECT_EQ(view->property("week").toInt(), 1);
    EXPECT_EQ(view->property("bars").toInt(), 12);
    EXPECT_FALSE(view->property("lastBarEstimated").toBool());
    EXPECT_EQ(view->property("first").toString(), u"Music");
    EXPECT_EQ(view->property("priciest").toString(), u"Video");
    EXPECT_FALSE(view->property("hasDelta").toBool());

    music->setPrice(Decimal(20));  // an edit moves the figures on the next turn
    QCoreApplication::processEvents();
    EXPECT_EQ(view->property("topCategory").toString(), u"Music");
    EXPECT_EQ(view->property("priciest").toString(), u"Music");
    music->setNextBillingDate(local(calendar, 2025, 3, 30, 9));
    store->save();
    QCoreApplication::processEvents();
    EXPECT_FALSE(view->property("dot").toBool());
    EXPECT_EQ(view->property("first").toString(), u"Video");
}
