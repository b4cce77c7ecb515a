// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/PanelNavigator.h"

#include "model/Subscription.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;
using Screen = PanelNavigator::Screen;
using Tab = PanelNavigator::Tab;

namespace {

class PanelNavigatorTest : public ::testing::Test {
protected:
    Subscription music{QStringLiteral("Music"),
                       Decimal(5),
                       QStringLiteral("USD"),
                       BillingCycle::monthly(),
                       QDateTime(QDate(2025, 6, 20), QTime(), Qt::UTC),
                       SubscriptionCategory::Music};
    PanelNavigator navigator;
    QSignalSpy screenChanged{&navigator, &PanelNavigator::screenChanged};
};

}  // namespace

TEST_F(PanelNavigatorTest, EachOverlayOpensFromMainAndClosesBackToIt)
{
    EXPECT_EQ(navigator.screen(), Screen::Main);
    EXPECT_EQ(navigator.tab(), Tab::List);
    EXPECT_FALSE(navigator.openEdit(nullptr));
    navigator.close();  // already on main
    EXPECT_EQ(screenChanged.count(), 0);

    EXPECT_TRUE(navigator.openAdd());
    EXPECT_EQ(navigator.screen(), Screen::Add);
    navigator.close();
    EXPECT_TRUE(navigator.openSettings());
    EXPECT_EQ(navigator.screen(), Screen::Settings);
    navigator.close();
    EXPECT_TRUE(navigator.openEdit(&music));
    EXPECT_EQ(navigator.screen(), Screen::Edit);
    EXPECT_EQ(navigator.editing(), &music);
    navigator.close();
    EXPECT_EQ(navigator.screen(), Screen::Main);
    EXPECT_EQ(navigator.editing(), nullptr);
    EXPECT_EQ(screenChanged.count(), 6);
}

TEST_F(PanelNavigatorTest, NoOverlayLeadsToAnother)
{
    ASSERT_TRUE(navigator.openEdit(&music));
    EXPECT_FALSE(navigator.openAdd());  // Ctrl+N on the edit screen
    EXPECT_FALSE(navigator.openSettings());
    EXPECT_EQ(navigator.screen(), Screen::Edit);
    EXPECT_EQ(navigator.editing(), &music);

    navigator.close();
    ASSERT_TRUE(navigator.openSettings());
    EXPECT_FALSE(navigator.openEdit(&music));
    EXPECT_EQ(navigator.screen(), Screen::Settings);
    EXPECT_EQ(navigator.editing(), nullptr);
    EXPECT_EQ(screenChanged.count(), 3);
}

TEST_F(PanelNavigatorTest, TabSurvivesEveryOverlay)
{
    QSignalSpy tabChanged(&navigator, &PanelNavigator::tabChanged);
    navigator.setTab(Tab::Insights);
    navigator.setTab(Tab::Insights);
    for (int overlay = 0; overlay < 3; ++overlay) {
        ASSERT_TRUE(overlay == 0       ? navigator.openAdd()
                        : overlay == 1 ? navigator.openSettings()
                                       : navigator.openEdit(&music));
        navigator.close();
        EXPECT_EQ(navigator.tab(), Tab::Insights);
    }
    EXPECT_EQ(tabChanged.count(), 1);
}

TEST_F(PanelNavigatorTest, TheImportOpensFromTheSettingsAndLeadsBackOrHome)
{
    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/home/me/wallos.json"));
    EXPECT_FALSE(navigator.openImport(file));  // not from the main screen
    ASSERT_TRUE(navigator.openSettings());
    EXPECT_FALSE(navigator.openImport(QUrl()));
    ASSERT_TRUE(navigator.openImport(file));
    EXPECT_EQ(navigator.screen(), Screen::Import);
    EXPECT_EQ(navigator.importFile(), file);
    EXPECT_FALSE(navigator.openAdd());

    navigator.backToSettings();
    EXPECT_EQ(navigator.screen(), Screen::Settings);
    EXPECT_TRUE(navigator.importFile().isEmpty());
    navigator.backToSettings();  // only from the import
    EXPECT_EQ(navigator.screen(), Screen::Settings);

    ASSERT_TRUE(navigator.openImport(file));
    navigator.close();  // imported: the list shows what came
    EXPECT_EQ(navigator.screen(), Screen::Main);
    EXPECT_TRUE(navigator.importFile().isEmpty());
    EXPECT_EQ(screenChanged.count(), 5);
}
