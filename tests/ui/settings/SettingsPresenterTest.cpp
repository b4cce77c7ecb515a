// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/SettingsPresenter.h"
#include "platform/Autostart.h"
#include "store/StoreFixture.h"

#include <QEvent>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

QStringList labels(const QVariantList& choices)
{
    QStringList result;
    for (const QVariant& choice : choices)
        result << choice.toMap().value(u"label"_qs).toString();
    return result;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsPresenterTest : public test::StoreFixture {
protected:
    SettingsPresenterTest() { launch(); }

    // A presenter as the screen makes it, over the fixture's settings and store.
    std::unique_ptr<SettingsPresenter> open()
    {
        auto presenter = std::make_unique<SettingsPresenter>(autostart);
        presenter->setSettings(&settings);
        presenter->setStore(store.get());
        return presenter;
    }

    QString settingsFile() const { return dir.path() + u"/settings.ini"_qs; }

    Autostart autostart{dir.path() + u"/autostart"_qs, u"/usr/bin/tabrino"_qs};
};

// Swallows the application's quit request and counts it.
class QuitCatcher : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Quit)
            return false;
        ++count;
        return true;
    }
    int count = 0;
};

}  // namespace

TEST_F(SettingsPresenterTest, picksOfferTheirChoicesInOrderWithTheirLabels)
{
    EXPECT_EQ(labels(SettingsPresenter::displayModeChoices()),
              (QStringList{u"Total only"_qs, u"Icon only"_qs, u"Icon and total"_qs}));
    EXPECT_EQ(SettingsPresenter::displayModeChoices().at(2).toMap().value(u"value"_qs), u"iconAndTotal"_qs);
    EXPECT_EQ(
        labels(SettingsPresenter::leadChoices()),
        (QStringList{u"Off"_qs, u"1 day before"_qs, u"3 days before"_qs, u"7 days before"_qs, u"14 days before"_qs}));
    EXPECT_EQ(labels(SettingsPresenter::currencyChoices()).join(u' '), u"USD EUR GBP CAD AUD JPY CHF SEK NZD MXN");

    // A fresh user: the registered lead times and mode are selected.
    const auto presenter = open();
    EXPECT_EQ(presenter->defaultLeadIndex(), 2);
    EXPECT_EQ(presenter->yearlyLeadIndex(), 4);
    EXPECT_EQ(presenter->displayModeIndex(), 2);
}

TEST_F(SettingsPresenterTest, aStoredValueOutsideTheListSelectsNothingAndOpeningWritesNothing)
{
    settings.setDefaultCurrencyCode(u"BRL"_qs);
    settings.setDefaultLeadDays(5);
    settings.setYearlyLeadDays(7);
    qsettings.sync();
    const QByteArray before = contents(settingsFile());
    QSignalSpy currency(&settings, &AppSettings::defaultCurrencyCodeChanged);
    QSignalSpy lead(&settings, &AppSettings::defaultLeadDaysChanged);

    const auto presenter = open();
    EXPECT_EQ(presenter->currencyIndex(), -1);
    EXPECT_EQ(presenter->defaultLeadIndex(), -1);
    EXPECT_EQ(presenter->yearlyLeadIndex(), 3);
    // Out-of-range picks (what a picker with no selection reports) change nothing either.
    presenter->chooseCurrency(-1);
    presenter->chooseDefaultLead(5);
    presenter->chooseDisplayMode(3);
    qsettings.sync();

    EXPECT_EQ(contents(settingsFile()), before);
    EXPECT_EQ(currency.count(), 0);
    EXPECT_EQ(lead.count(), 0);
    EXPECT_EQ(settings.defaultCurrencyCode(), u"BRL");
    EXPECT_EQ(settings.defaultLeadDays(), 5);
}

TEST_F(SettingsPresenterTest, aPickWritesItsSettingAndMovesTheSelection)
{
    const auto presenter = open();
    QSignalSpy selection(presenter.get(), &SettingsPresenter::selectionChanged);

    presenter->chooseCurrency(1);
    presenter->chooseDisplayMode(0);
    presenter->chooseDefaultLead(3);
    presenter->chooseYearlyLead(0);

    EXPECT_EQ(settings.defaultCurrencyCode(), u"EUR");
    EXPECT_EQ(settings.trayDisplayMode(), TrayDisplayMode::Total);
    EXPECT_EQ(settings.defaultLeadDays(), 7);
    EXPECT_EQ(settings.yearlyLeadDays(), 0);
    EXPECT_EQ(presenter->currencyIndex(), 1);
    EXPECT_EQ(presenter->displayModeIndex(), 0);
    EXPECT_EQ(presenter->defaultLeadIndex(), 3);
    EXPECT_EQ(presenter->yearlyLeadIndex(), 0);
    EXPECT_EQ(selection.count(), 4);
    qsettings.sync();
    QSettings reread(settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(reread.value(u"defaultCurrencyCode"_qs).toString(), u"EUR");
    EXPECT_EQ(reread.value(u"trayDisplayMode"_qs).toString(), u"total");

    // A change made elsewhere moves the selection as well.
    settings.setDefaultCurrencyCode(u"MXN"_qs);
    EXPECT_EQ(presenter->currencyIndex(), 9);
}

TEST_F(SettingsPresenterTest, launchAtLoginFollowsTheItemAndShowsAFailureUntilAnUpdateWorks)
{
    auto presenter = open();
    EXPECT_FALSE(presenter->launchAtLogin());
    presenter->setLaunchAtLogin(true);
    EXPECT_TRUE(presenter->launchAtLogin());
    EXPECT_TRUE(QFile::exists(autostart.entryPath()));
    EXPECT_EQ(presenter->launchAtLoginError(), QString());

    // The next visit reads the item again, so a change made elsewhere shows.
    EXPECT_TRUE(open()->launchAtLogin());
    ASSERT_TRUE(QFile::remove(autostart.entryPath()));
    presenter = open();
    EXPECT_FALSE(presenter->launchAtLogin());

    // A folder that cannot be written (a file in its place, as root ignores
    // permissions): the toggle flips back and the text appears.
    ASSERT_TRUE(QDir(dir.path() + u"/autostart"_qs).removeRecursively());
    {
        QFile blocker(dir.path() + u"/autostart"_qs);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    QSignalSpy changed(presenter.get(), &SettingsPresenter::launchAtLoginChanged);
    presenter->setLaunchAtLogin(true);
    EXPECT_FALSE(presenter->launchAtLogin());
    EXPECT_EQ(presenter->launchAtLoginError(),
              u"Couldn't write the autostart entry in "_qs + dir.path()
                  + u"/autostart: the folder could not be created."_qs);
    EXPECT_EQ(changed.count(), 1);

    // Turning it off works (nothing to remove), which clears the text.
    presenter->setLaunchAtLogin(false);
    EXPECT_FALSE(presenter->launchAtLogin());
    EXPECT_EQ(presenter->launchAtLoginError(), QString());
}

TEST_F(SettingsPresenterTest, theArchivedSectionCountsAndStartsCollapsedOnEveryVisit)
{
    auto presenter = open();
    EXPECT_EQ(presenter->archivedTitle(), u"Archived (0)");
    EXPECT_EQ(presenter->disclosureText(), u"Show");
    presenter->setShowingArchived(true);
    EXPECT_FALSE(presenter->showsArchivedList()) << "nothing to list";

    QSignalSpy archived(presenter.get(), &SettingsPresenter::archivedChanged);
    for (const char* name : {"A", "B", "C"}) {
        Subscription* s = add(QString::fromLatin1(name), "5", BillingCycle::monthly(), test::utc(2025, 4, 1));
        store->save();
        store->archive(s);
    }
    EXPECT_EQ(presenter->archivedTitle(), u"Archived (3)");
    EXPECT_GE(archived.count(), 1);
    EXPECT_EQ(presenter->disclosureText(), u"Hide");
    EXPECT_TRUE(presenter->showsArchivedList());

    presenter = open();
    EXPECT_FALSE(presenter->showingArchived());
    EXPECT_EQ(presenter->disclosureText(), u"Show");
    EXPECT_FALSE(presenter->showsArchivedList());
}

TEST_F(SettingsPresenterTest, showsTheBuildsVersionAndQuitsThroughTheApplication)
{
    EXPECT_EQ(SettingsPresenter::versionText(), u"1.0 (1)");

    QuitCatcher catcher;
    qApp->installEventFilter(&catcher);
    SettingsPresenter::quit();
    EXPECT_EQ(catcher.count, 0) << "not while the asking event is handled";
    QCoreApplication::processEvents();
    EXPECT_EQ(catcher.count, 1);
    qApp->removeEventFilter(&catcher);
}

TEST_F(SettingsPresenterTest, saysWhatASquareOnlyTrayMakesOfTheDisplayModes)
{
    const auto presenter = open();
    QSignalSpy changed(presenter.get(), &SettingsPresenter::trayHostChanged);
    StatusNotifierHost host;
    host.drawing = StatusNotifierHost::Drawing::SquareImage;
    presenter->setTrayHost(host);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(presenter->trayNote().contains(u"small square"));
    EXPECT_FALSE(presenter->trayNote().contains(u"widget"));
    // Plasma can show the total in full, in our own panel widget.
    host.program = QStringLiteral("plasmashell");
    presenter->setTrayHost(host);
    EXPECT_TRUE(presenter->trayNote().contains(u"add the \"Tabrino\" widget to the panel"));

    // Trays that show the symbol and the amount side by side need no word.
    for (const auto drawing : {StatusNotifierHost::Drawing::Label, StatusNotifierHost::Drawing::WideImage}) {
        host.drawing = drawing;
        presenter->setTrayHost(host);
        EXPECT_EQ(presenter->trayNote(), u"");
    }
}
