// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TabrinoApp.h"

#include "app/DayChangeTimer.h"
#include "catalog/CachedServiceCatalog.h"
#include "catalog/CatalogUpdater.h"
#include "catalog/ServiceCatalog.h"
#include "export/CalendarFileKeeper.h"
#include "platform/QuitOnSignal.h"
#include "rates/ExchangeRatesSource.h"
#include "rates/RatesUpdater.h"
#include "reminders/LinuxNotificationCenter.h"
#include "reminders/NotificationService.h"
#include "settings/AppSettings.h"
#include "shell/PanelScene.h"
#include "shell/TrayController.h"
#include "store/PersistentContainer.h"
#include "store/SubscriptionStore.h"
#include "ui/main/TrayLabel.h"

#include <QCursor>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>

namespace tabrino {

TabrinoApp::TabrinoApp(const QString& databasePath, QObject* parent)
    : QObject(parent)
    , m_settings(AppSettings::shared())
{
    m_container = PersistentContainer::open(databasePath, &m_fatalError);
    if (!m_container)
        return;

    // The catalog check is only scheduled here, so it never delays the first
    // display, and only once the data store opened: a failed start must not
    // reach the network or write anything while its message is up.
    QMetaObject::invokeMethod(
        this,
        [this] {
            // The desktop's proxy settings (http_proxy, https_proxy, no_proxy).
            QNetworkProxyFactory::setUseSystemConfiguration(true);
            m_network = std::make_unique<QNetworkAccessManager>();
            m_catalogUpdater = std::make_unique<CatalogUpdater>(
                m_settings.store(), [this] { return m_settings.catalogAutoUpdate(); }, ServiceCatalog::shared(),
                CachedServiceCatalog::defaultCachePath(), CatalogUpdater::defaultRemoteUrl(), *m_network);
            m_catalogUpdater->refreshIfDue(false);
            // The rates are fetched only while totals are converted: at
            // start, when the setting is switched on, and on each new day.
            m_ratesUpdater = std::make_unique<RatesUpdater>(
                m_settings.store(), [this] { return m_settings.showsTotalsInOneCurrency(); }, *m_exchangeRates,
                ExchangeRatesSource::defaultCachePath(), RatesUpdater::defaultRemoteUrl(), *m_network);
            connect(&m_settings, &AppSettings::showsTotalsInOneCurrencyChanged, m_ratesUpdater.get(),
                    &RatesUpdater::refreshIfDue);
            connect(m_dayChanges.get(), &DayChangeTimer::dayChanged, m_ratesUpdater.get(), &RatesUpdater::refreshIfDue);
            m_ratesUpdater->refreshIfDue();
        },
        Qt::QueuedConnection);

    m_notificationCenter = std::make_unique<LinuxNotificationCenter>(m_container->database());
    // Owned here, beside the centre it is the delegate of, so neither
    // outlives the other.
    m_notifications = std::make_unique<NotificationService>(*m_notificationCenter, m_settings);
    // Reminders that fell due while the program was not running arrive once,
    // before this run plans anew.
    m_notificationCenter->deliverMissed();
    ServiceCatalog& catalog = ServiceCatalog::shared();

    m_store = std::make_unique<SubscriptionStore>(m_container->mainContext(), m_settings, *m_notifications, &catalog);
    m_exchangeRates = std::make_unique<ExchangeRatesSource>(ExchangeRatesSource::defaultCachePath());
    m_store->setExchangeRates(m_exchangeRates.get());
    m_store->refresh();
    m_store->performLaunchMaintenance();
    // Beside the database, in the data folder.
    m_calendarFile =
        std::make_unique<CalendarFileKeeper>(*m_store, m_settings, CalendarFileKeeper::pathBeside(m_container->path()));

    // Billing dates roll, the month's snapshot is taken and reminders are
    // planned again whenever the day changes while the program keeps running,
    // and after the clock or the zone changed or the machine woke up.
    // As at launch, the lists are re-read first, so this month's snapshot
    // taken earlier is found and not recorded again.
    const auto maintain = [this] {
        m_store->refresh();
        m_store->performLaunchMaintenance();
    };
    m_dayChanges = std::make_unique<DayChangeTimer>(&Calendar::current);
    connect(m_dayChanges.get(), &DayChangeTimer::dayChanged, this, maintain);
    connect(m_notificationCenter.get(), &LinuxNotificationCenter::timeChanged, this, [this, maintain] {
        m_dayChanges->rearm();
        maintain();
    });
    // A notification daemon that starts after Tabrino (at login, say) gets
    // the reminders that were dropped while none was running.
    connect(m_notificationCenter.get(), &LinuxNotificationCenter::serverAppeared, this, maintain);

    showScene();
}

TabrinoApp::~TabrinoApp() = default;

void TabrinoApp::showScene()
{
    // The tray item first: it is what the user sees. The panel's scene is
    // made on the first click.
    m_label = std::make_unique<TrayLabel>(*m_store, m_settings);
    m_tray = std::make_unique<TrayController>(*m_label);
    const TrayController::Backend backend = m_tray->start();

    m_panel = std::make_unique<PanelScene>(*m_store, m_settings, *m_calendarFile);
    connect(m_tray.get(), &TrayController::activated, m_panel.get(), &PanelScene::toggleAt);
    connect(m_tray.get(), &TrayController::openRequested, m_panel.get(), &PanelScene::openAt);
    connect(m_tray.get(), &TrayController::backendChanged, m_panel.get(), &PanelScene::hideWindowMode);
    // The program's own way out, so main's final save still runs.
    connect(m_tray.get(), &TrayController::quitRequested, this, &requestQuit);
    // With no tray at all, the panel is an ordinary window so the program is never invisible.
    if (backend == TrayController::Backend::None)
        m_panel->showAsWindow();
}

void TabrinoApp::showPanel()
{
    if (m_tray->backend() == TrayController::Backend::None)
        m_panel->showAsWindow();
    else
        m_panel->openAt(QCursor::pos());
}

}  // namespace tabrino
