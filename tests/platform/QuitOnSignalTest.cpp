// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QuitOnSignal.h"

#include <QCoreApplication>
#include <QTimer>

#include <csignal>

#include <gtest/gtest.h>

using namespace tabrino;

TEST(QuitOnSignal, aStopRequestEndsTheEventLoopInsteadOfTheProcess)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QuitOnSignal quitOnSignal;
        ASSERT_TRUE(quitOnSignal.isActive());
        QTimer::singleShot(0, [signal] { std::raise(signal); });
        QTimer fallback;
        fallback.callOnTimeout([] { QCoreApplication::exit(1); });
        fallback.start(5000);
        EXPECT_EQ(QCoreApplication::exec(), 0) << "signal " << signal;
    }
}
