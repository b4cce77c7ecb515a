// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserLanguage.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// Every test program runs inside a Qt application so that signals, queued
// calls, timers and D-Bus work as they do in the product.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    // The program's own catalogue, English under the tests' C locale.
    tabrino::UserLanguage::install(app);
    return RUN_ALL_TESTS();
}
