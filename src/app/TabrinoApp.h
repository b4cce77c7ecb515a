// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QNetworkAccessManager;

namespace tabrino {

class AppSettings;
class CalendarFileKeeper;
class CatalogUpdater;
class DayChangeTimer;
class ExchangeRatesSource;
class LinuxNotificationCenter;
class TrayLabel;
class NotificationService;
class PanelScene;
class PersistentContainer;
class RatesUpdater;
class SubscriptionStore;
class TrayController;

// The program's spine: opens the store, creates the shared services, wires
// them together, runs the launch work and shows the tray item and its panel.
class TabrinoApp : public QObject {
    Q_OBJECT

public:
    // Runs start-up in order: settings; the data store; the (deferred)
    // catalog refresh; the reminder and catalog services; the subscription store;
    // refresh and launch maintenance; then the tray item and the panel. The
    // catalog refresh and the first reminder planning run once the event loop
    // turns, after the first display. When the data store cannot be opened,
    // nothing else is created and `fatalError()` says why.
    explicit TabrinoApp(const QString& databasePath, QObject* parent = nullptr);
    ~TabrinoApp() override;

    bool isRunning() const { return m_store != nullptr; }
    QString fatalError() const { return m_fatalError; }

    SubscriptionStore& store() const { return *m_store; }
    AppSettings& settings() const { return m_settings; }
    NotificationService& notifications() const { return *m_notifications; }
    LinuxNotificationCenter& notificationCenter() const { return *m_notificationCenter; }
    PanelScene& panel() const { return *m_panel; }
    TrayController& tray() const { return *m_tray; }
    // Created when the deferred catalog check starts.
    CatalogUpdater* catalogUpdater() const { return m_catalogUpdater.get(); }
    // The rates totals in one currency are converted at.
    ExchangeRatesSource& exchangeRates() const { return *m_exchangeRates; }

    // Opens the panel where the user will look for it: under the tray item,
    // or as an ordinary window when there is no tray.
    void showPanel();

private:
    void showScene();

    AppSettings& m_settings;
    QString m_fatalError;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<CatalogUpdater> m_catalogUpdater;
    std::unique_ptr<ExchangeRatesSource> m_exchangeRates;
    std::unique_ptr<RatesUpdater> m_ratesUpdater;
    std::unique_ptr<PersistentContainer> m_container;
    std::unique_ptr<LinuxNotificationCenter> m_notificationCenter;
    std::unique_ptr<NotificationService> m_notifications;
    std::unique_ptr<SubscriptionStore> m_store;
    std::unique_ptr<CalendarFileKeeper> m_calendarFile;
    std::unique_ptr<DayChangeTimer> m_dayChanges;
    std::unique_ptr<TrayLabel> m_label;
    std::unique_ptr<PanelScene> m_panel;
    std::unique_ptr<TrayController> m_tray;
};

}  // namespace tabrino
