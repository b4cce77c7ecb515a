// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/AppSettings.h"
#include "support/Printers.h"

#include "foundation/SystemLocale.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace tabrino {
namespace {

// Points the locale variables at `locale` for the test's lifetime.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* locale) : m_old(qgetenv("LC_ALL")), m_had(qEnvironmentVariableIsSet("LC_ALL"))
    {
        qputenv("LC_ALL", locale);
    }
    ~ScopedLocale()
    {
        if (m_had)
            qputenv("LC_ALL", m_old);
        else
            qunsetenv("LC_ALL");
    }

private:
    QByteArray m_old;
    bool m_had;
};

class AppSettingsTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(u"Tabrino.conf"_s); }

    // A store over the file as a new launch would open it.
    std::unique_ptr<QSettings> openStore() const { return std::make_unique<QSettings>(path(), QSettings::IniFormat); }

    void writeFile(const QByteArray& contents) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QTemporaryDir m_dir;
};

TEST(TrayDisplayModeTest, StringsAndLabels)
{
    ASSERT_EQ(kTrayDisplayModes.size(), 3u);
    EXPECT_EQ(kTrayDisplayModes[0], TrayDisplayMode::Total);
    EXPECT_EQ(kTrayDisplayModes[1], TrayDisplayMode::IconOnly);
    EXPECT_EQ(kTrayDisplayModes[2], TrayDisplayMode::IconAndTotal);

    EXPECT_EQ(toString(TrayDisplayMode::Total), u"total"_s);
    EXPECT_EQ(toString(TrayDisplayMode::IconOnly), u"iconOnly"_s);
    EXPECT_EQ(toString(TrayDisplayMode::IconAndTotal), u"iconAndTotal"_s);
    for (const TrayDisplayMode mode : kTrayDisplayModes)
        EXPECT_EQ(trayDisplayModeFromString(toString(mode)), mode);
    EXPECT_FALSE(trayDisplayModeFromString(u"iconOnly "));
    EXPECT_FALSE(trayDisplayModeFromString(u"IconOnly"));
    EXPECT_FALSE(trayDisplayModeFromString(u""));

    EXPECT_EQ(label(TrayDisplayMode::Total), u"Total only"_s);
    EXPECT_EQ(label(TrayDisplayMode::IconOnly), u"Icon only"_s);
    EXPECT_EQ(label(TrayDisplayMode::IconAndTotal), u"Icon and total"_s);
}

TEST_F(AppSettingsTest, FreshUserReadsDefaultsWithoutWritingThem)
{
    const ScopedLocale locale("de_DE.UTF-8");
    {
        auto store = openStore();
        AppSettings settings(*store);
        EXPECT_EQ(settings.trayDisplayMode(), TrayDisplayMode::IconAndTotal);
        EXPECT_EQ(settings.trayDisplayModeName(), u"iconAndTotal"_s);
        EXPECT_EQ(settings.defaultCurrencyCode(), u"EUR"_s);
        EXPECT_EQ(settings.defaultLeadDays(), 3);
        EXPECT_EQ(settings.yearlyLeadDays(), 14);
        EXPECT_FALSE(settings.notificationsRequested());
        EXPECT_TRUE(settings.showsRenewalIndicator());
        EXPECT_TRUE(settings.catalogAutoUpdate());
        EXPECT_EQ(&settings.store(), store.get());

        // Assigning what is already shown is not a choice of the user's.
        settings.setDefaultLeadDays(3);
        settings.setShowsRenewalIndicator(true);
        settings.setTrayDisplayMode(TrayDisplayMode::IconAndTotal);
        store->sync();
        EXPECT_TRUE(store->allKeys().isEmpty());
    }
    EXPECT_TRUE(openStore()->allKeys().isEmpty());

    // The currency follows the locale for as long as the user chose none.
    const ScopedLocale english("en_US.UTF-8");
    auto store = openStore();
    EXPECT_EQ(AppSettings(*store).defaultCurrencyCode(), u"USD"_s);
}

TEST_F(AppSettingsTest, ChangesPersistAcrossLaunches)
{
    {
        const ScopedLocale locale("de_DE.UTF-8");
        auto store = openStore();
        AppSettings settings(*store);
        settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
        settings.setDefaultCurrencyCode(u"GBP"_s);
        settings.setDefaultLeadDays(0);
        settings.setYearlyLeadDays(7);
        settings.setNotificationsRequested(true);
        settings.setShowsRenewalIndicator(false);
        settings.setCatalogAutoUpdate(false);
        // Still open: the values must already be on disk for another reader.
        QSettings other(path(), QSettings::IniFormat);
        EXPECT_EQ(other.value(u"trayDisplayMode"_s).toString(), u"iconOnly"_s);
        EXPECT_EQ(other.value(u"defaultLeadDays"_s).toString(), u"0"_s);
        EXPECT_EQ(other.value(u"catalogAutoUpdate"_s).toString(), u"false"_s);
    }
    const ScopedLocale locale("en_US.UTF-8");
    auto store = openStore();
    AppSettings settings(*store);
    EXPECT_EQ(settings.trayDisplayMode(), TrayDisplayMode::IconOnly);
    EXPECT_EQ(settings.defaultCurrencyCode(), u"GBP"_s);
    EXPECT_EQ(settings.defaultLeadDays(), 0);
    EXPECT_EQ(settings.yearlyLeadDays(), 7);
    EXPECT_TRUE(settings.notificationsRequested());
    EXPECT_FALSE(settings.showsRenewalIndicator());
    EXPECT_FALSE(settings.catalogAutoUpdate());
}

TEST_F(AppSettingsTest, SettersNotifyOnlyOnChange)
{
    auto store = openStore();
    AppSettings settings(*store);
    QSignalSpy mode(&settings, &AppSettings::trayDisplayModeChanged);
    QSignalSpy currency(&settings, &AppSettings::defaultCurrencyCodeChanged);
    QSignalSpy lead(&settings, &AppSettings::defaultLeadDaysChanged);
    QSignalSpy yearly(&settings, &AppSettings::yearlyLeadDaysChanged);
    QSignalSpy requested(&settings, &AppSettings::notificationsRequestedChanged);
    QSignalSpy indicator(&settings, &AppSettings::showsRenewalIndicatorChanged);
    QSignalSpy autoUpdate(&settings, &AppSettings::catalogAutoUpdateChanged);

    for (int round = 0; round < 2; ++round) {
        settings.setTrayDisplayMode(TrayDisplayMode::Total);
        settings.setDefaultCurrencyCode(u"CHF"_s);
        settings.setDefaultLeadDays(7);
        settings.setYearlyLeadDays(1);
        settings.setNotificationsRequested(true);
        settings.setShowsRenewalIndicator(false);
        settings.setCatalogAutoUpdate(false);
    }
    for (const QSignalSpy* spy : {&mode, &currency, &lead, &yearly, &requested, &indicator, &autoUpdate})
        EXPECT_EQ(spy->count(), 1);

    // The raw-value form, as QML writes it, goes through the same setter.
    EXPECT_TRUE(settings.setProperty("trayDisplayModeName", u"iconOnly"_s));
    EXPECT_EQ(settings.trayDisplayMode(), TrayDisplayMode::IconOnly);
    settings.setTrayDisplayModeName(u"bogus"_s);
    EXPECT_EQ(settings.trayDisplayMode(), TrayDisplayMode::IconOnly);
    EXPECT_EQ(mode.count(), 2);
    EXPECT_EQ(store->value(u"trayDisplayMode"_s).toString(), u"iconOnly"_s);
}

TEST_F(AppSettingsTest, UnknownModeReadsTotal)
{
    for (const QString& stored : {u"iconOnly "_s, u"ICONANDTOTAL"_s, u""_s, u"compact"_s}) {
        openStore()->setValue(u"trayDisplayMode"_s, stored);
        auto store = openStore();
        EXPECT_EQ(AppSettings(*store).trayDisplayMode(), TrayDisplayMode::Total) << stored.toStdString();
    }
}

TEST_F(AppSettingsTest, TheChoiceUnderTheOldKeyMovesToTheNewOneOnce)
{
    // A valid choice, and one no release ever wrote, which reads as the
    // plain total before the move and after it.
    for (const auto& [stored, mode] :
         {std::pair{u"iconOnly"_s, TrayDisplayMode::IconOnly}, std::pair{u"Icon only"_s, TrayDisplayMode::Total}}) {
        openStore()->clear();
        openStore()->setValue(u"menuBarDisplayMode"_s, stored);
        {
            auto store = openStore();
            AppSettings settings(*store);
            EXPECT_EQ(settings.trayDisplayMode(), mode) << stored.toStdString();
        }
        auto store = openStore();
        EXPECT_EQ(store->allKeys(), QStringList{u"trayDisplayMode"_s}) << stored.toStdString();
        EXPECT_EQ(store->value(u"trayDisplayMode"_s).toString(), stored);
        EXPECT_EQ(AppSettings(*store).trayDisplayMode(), mode) << stored.toStdString();
    }

    // Where both are present the new key holds the user's latest choice.
    writeFile("[General]\nmenuBarDisplayMode=iconOnly\ntrayDisplayMode=total\n");
    auto store = openStore();
    EXPECT_EQ(AppSettings(*store).trayDisplayMode(), TrayDisplayMode::Total);
}

TEST_F(AppSettingsTest, DamagedValuesReadAsDefaultsAndStayInTheFile)
{
    // As a hand edit or a damaged file could leave them.
    writeFile("[General]\n"
              "trayDisplayMode=a, b\n"
              "defaultCurrencyCode=\n"
              "defaultLeadDays=abc\n"
              "yearlyLeadDays=99999999999\n"
              "notificationsRequested=maybe\n"
              "showsRenewalIndicator=abc\n"
              "catalogAutoUpdate=no\n");
    const ScopedLocale locale("ja_JP.UTF-8");
    {
        auto store = openStore();
        AppSettings settings(*store);
        EXPECT_EQ(settings.trayDisplayMode(), TrayDisplayMode::Total);
        EXPECT_EQ(settings.defaultCurrencyCode(), u"JPY"_s);
        EXPECT_EQ(settings.defaultLeadDays(), 3);
        EXPECT_EQ(settings.yearlyLeadDays(), 14);
        EXPECT_FALSE(settings.notificationsRequested());
        EXPECT_TRUE(settings.showsRenewalIndicator());
        EXPECT_TRUE(settings.catalogAutoUpdate());
    }
    EXPECT_EQ(openStore()->value(u"defaultLeadDays"_s).toString(), u"abc"_s);

    // Readable variants of good values are taken as the user's.
    writeFile("[General]\n"
              "defaultLeadDays=\" 7\"\n"
              "notificationsRequested=1\n"
              "showsRenewalIndicator=FALSE\n"
              "catalogAutoUpdate=0\n");
    auto store = openStore();
    AppSettings settings(*store);
    EXPECT_EQ(settings.defaultLeadDays(), 7);
    EXPECT_TRUE(settings.notificationsRequested());
    EXPECT_FALSE(settings.showsRenewalIndicator());
    EXPECT_FALSE(settings.catalogAutoUpdate());
}

// Converted totals are an opt-in: nothing converts until the user says so.
TEST_F(AppSettingsTest, TotalsInOneCurrencyAreOffUntilChosenAndThenKept)
{
    {
        auto store = openStore();
        AppSettings settings(*store);
        EXPECT_FALSE(settings.showsTotalsInOneCurrency());
        settings.setShowsTotalsInOneCurrency(true);
    }
    auto store = openStore();
    EXPECT_TRUE(AppSettings(*store).showsTotalsInOneCurrency());
}

}  // namespace
}  // namespace tabrino
