// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/UpcomingListModel.h"

#include "ui/LabelFixture.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

using namespace tabrino;

namespace {

// The model tester reports through warnings; each one fails the test.
QStringList g_modelWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectModelWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && QByteArrayView(context.category) == "qt.modeltest")
        g_modelWarnings << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

class UpcomingListModelTest : public ::testing::Test, protected test::LabelFixture {
protected:
    UpcomingListModelTest()
    {
        g_modelWarnings.clear();
        g_previousHandler = qInstallMessageHandler(collectModelWarnings);
    }
    ~UpcomingListModelTest() override { qInstallMessageHandler(g_previousHandler); }
    void TearDown() override { EXPECT_TRUE(g_modelWarnings.isEmpty()) << g_modelWarnings.join(u'\n').toStdString(); }

    Subscription* named(const char* name, int daysAhead)
    {
        Subscription* subscription = add("5", daysAhead);
        subscription->setName(QString::fromUtf8(name));
        store->save();
        return subscription;
    }

    void attach()
    {
        model.setStore(store.get());
        tester =
            std::make_unique<QAbstractItemModelTester>(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }

    QList<Subscription*> rows() const
    {
        QList<Subscription*> result;
        for (int row = 0; row < model.rowCount(); ++row)
            result << model.data(model.index(row), UpcomingListModel::SubscriptionRole).value<Subscription*>();
        return result;
    }

    // Lets the store's once-per-turn signal reach the model.
    static void nextTurn() { QCoreApplication::processEvents(); }

    UpcomingListModel model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

struct ChangeSpies {
    explicit ChangeSpies(QAbstractItemModel& model)
        : reset(&model, &QAbstractItemModel::modelReset)
        , moved(&model, &QAbstractItemModel::rowsMoved)
        , inserted(&model, &QAbstractItemModel::rowsInserted)
        , removed(&model, &QAbstractItemModel::rowsRemoved)
    {
    }
    QSignalSpy reset, moved, inserted, removed;
};

}  // namespace

TEST_F(UpcomingListModelTest, AnEditThatReordersMovesRowsWithoutAReset)
{
    Subscription* b = named("B", 4);
    Subscription* a = named("A", 2);
    Subscription* c = named("C", 6);
    store->archive(named("Old", 1));
    attach();
    EXPECT_EQ(rows(), (QList<Subscription*>{a, b, c}));
    EXPECT_EQ(model.data(model.index(0), UpcomingListModel::IdRole).toUuid(), a->id());
    ChangeSpies spies(model);

    c->setNextBillingDate(kNow.addDays(1));
    store->save();
    nextTurn();
    EXPECT_EQ(rows(), (QList<Subscription*>{c, a, b}));
    EXPECT_GE(spies.moved.count(), 1);
    // A trial ending first moves its row too: the list goes by the next payment.
    b->setIsTrial(true);
    b->setTrialEndDate(kNow);
    nextTurn();
    EXPECT_EQ(rows(), (QList<Subscription*>{b, c, a}));
    EXPECT_EQ(spies.reset.count(), 0);
    EXPECT_EQ(spies.inserted.count(), 0);
    EXPECT_EQ(spies.removed.count(), 0);
}

TEST_F(UpcomingListModelTest, ManyChangesInOneTurnEndInTheStoresOrder)
{
    QList<Subscription*> all;
    for (int i = 0; i < 8; ++i)
        all << named("S", i + 1);
    attach();
    ChangeSpies spies(model);
    QSignalSpy count(&model, &UpcomingListModel::countChanged);

    // Reverse the order, archive two and add one before the model hears of it.
    for (int i = 0; i < all.size(); ++i)
        all[i]->setNextBillingDate(kNow.addDays(20 - i));
    store->archive(all[3]);
    store->archive(all[6]);
    add("5", 15);
    nextTurn();
    EXPECT_EQ(rows(), store->upcoming());
    EXPECT_EQ(rows().first(), all.last());
    EXPECT_EQ(model.count(), 7);
    EXPECT_EQ(count.count(), 1);
    EXPECT_EQ(spies.removed.count(), 2);
    EXPECT_EQ(spies.inserted.count(), 1);
    EXPECT_EQ(spies.reset.count(), 0);
}
