// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeNotificationCenter.h"

#include "foundation/Clock.h"
#include "model/Subscription.h"
#include "reminders/NotificationService.h"
#include "settings/AppSettings.h"
#include "support/TestDates.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tabrino::test {

// A reminder service over an in-memory centre, in Berlin, with records the
// test makes and owns.
class ReminderFixture : public ::testing::Test {
protected:
    void TearDown() override { Clock::setSource({}); }

    void at(const QDateTime& now)
    {
        Clock::setSource([now] { return now; });
    }

    Subscription* make(const BillingCycle& cycle, const QDateTime& next, const char* price = "10",
                       const QString& code = u"USD"_qs)
    {
        owned.push_back(std::make_unique<Subscription>(u"Netflix"_qs, *Decimal::fromString(price), code, cycle, next,
                                                       SubscriptionCategory::Streaming));
        return owned.back().get();
    }

    // Runs one reconcile to its end and returns the identifiers left pending.
    QStringList reconcile(const QList<Subscription*>& subscriptions)
    {
        QSignalSpy finished(&service, &NotificationService::reconcileFinished);
        service.reconcile(subscriptions, berlin);
        EXPECT_TRUE(finished.wait(2000));
        return center.pending.keys();
    }

    static QString idText(const Subscription& s) { return s.id().toString(QUuid::WithoutBraces).toUpper(); }

    Calendar berlin{u"Europe/Berlin"_qs, 2};
    QTemporaryDir dir;
    QSettings defaults{dir.filePath(u"settings.ini"_qs), QSettings::IniFormat};
    AppSettings settings{defaults};
    FakeNotificationCenter center;
    NotificationService service{center, settings};
    std::vector<std::unique_ptr<Subscription>> owned;
};

}  // namespace tabrino::test
