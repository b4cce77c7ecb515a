// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

// The reminder texts are checked as an English (United States) user sees
// them. Set before any test formats an amount, since formatters keep the
// locale they were built with.
class EnglishLocaleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { qputenv("LC_ALL", QByteArray("en_US.UTF-8")); }
};

[[maybe_unused]] ::testing::Environment* const g_english =
    ::testing::AddGlobalTestEnvironment(new EnglishLocaleEnvironment);

}  // namespace
