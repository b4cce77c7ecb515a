// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/MonthlySnapshot.h"
#include "support/TestMoney.h"
#include "ui/LabelFixture.h"
#include "ui/insights/InsightsRowsModel.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>

namespace tabrino::test {

// A real store at 10 June 2025 for the insights blocks, with a way to add
// named subscriptions and past months, and a watch on a block's rows: the
// model tester's findings fail the test, and a reset or a removal the test
// did not expect shows in the counts.
class InsightsFixture : public ::testing::Test, protected LabelFixture {
protected:
    InsightsFixture()
    {
        s_findings.clear();
        s_previous = qInstallMessageHandler(collect);
    }
    ~InsightsFixture() override { qInstallMessageHandler(s_previous); }
    void TearDown() override { EXPECT_TRUE(s_findings.isEmpty()) << s_findings.join(u'\n').toStdString(); }

    Subscription* addNamed(const char* name, const char* price, SubscriptionCategory category,
                           const char* currency = "USD")
    {
        Subscription* subscription = add(price, 5);
        subscription->setName(QString::fromUtf8(name));
        subscription->setCategoryRaw(category.toString());
        subscription->setCurrencyCode(QString::fromLatin1(currency));
        store->save();
        return subscription;
    }

    void addMonth(int year, int month, const char* total)
    {
        container->mainContext().insert(new MonthlySnapshot(utc(year, month, 1), dec(total), 1));
        store->save();
    }

    // Lets the store's once-per-turn signal reach the presenters.
    static void settle() { QCoreApplication::processEvents(); }

    void watch(InsightsRowsModel* model)
    {
        tester =
            std::make_unique<QAbstractItemModelTester>(model, QAbstractItemModelTester::FailureReportingMode::Warning);
        resets = std::make_unique<QSignalSpy>(model, &QAbstractItemModel::modelReset);
        removals = std::make_unique<QSignalSpy>(model, &QAbstractItemModel::rowsRemoved);
        insertions = std::make_unique<QSignalSpy>(model, &QAbstractItemModel::rowsInserted);
        changes = std::make_unique<QSignalSpy>(model, &QAbstractItemModel::dataChanged);
    }

    // One field of every row, by a member or a getter of the row type.
    template <typename Row, typename Field>
    static auto column(const InsightsRows<Row>* model, Field field)
    {
        QList<std::decay_t<std::invoke_result_t<Field, const Row&>>> values;
        for (const Row& row : model->rows())
            values << std::invoke(field, row);
        return values;
    }

    std::unique_ptr<QAbstractItemModelTester> tester;
    std::unique_ptr<QSignalSpy> resets;
    std::unique_ptr<QSignalSpy> removals;
    std::unique_ptr<QSignalSpy> insertions;
    std::unique_ptr<QSignalSpy> changes;

private:
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type != QtDebugMsg && QByteArrayView(context.category) == "qt.modeltest")
            s_findings << message;
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline QStringList s_findings;
    static inline QtMessageHandler s_previous = nullptr;
};

}  // namespace tabrino::test
