// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StatusNotifierHost.h"
#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

class Autostart;

// The settings screen's rules: the pickers' choices and which one the
// stored value selects (none for a value outside the list, which is kept
// until the user picks), launch at login with its failure text, the
// archived section's title and disclosure, what this desktop's tray can
// show, the version and quitting. Only a user's choice writes a setting;
// reading the screen writes nothing.
class SettingsPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::AppSettings* settings READ settings WRITE setSettings NOTIFY settingsChanged)
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    // Each picker: its choices as { value, label } and the index of the
    // stored value, -1 when the list does not offer it.
    Q_PROPERTY(QVariantList currencyChoices READ currencyChoices CONSTANT)
    Q_PROPERTY(int currencyIndex READ currencyIndex NOTIFY selectionChanged)
    Q_PROPERTY(QVariantList displayModeChoices READ displayModeChoices CONSTANT)
    Q_PROPERTY(int displayModeIndex READ displayModeIndex NOTIFY selectionChanged)
    // What the desktop's tray makes of the display modes, where it cannot
    // show each as named; empty where it can.
    Q_PROPERTY(QString trayNote READ trayNote NOTIFY trayHostChanged)
    Q_PROPERTY(QVariantList leadChoices READ leadChoices CONSTANT)
    Q_PROPERTY(int defaultLeadIndex READ defaultLeadIndex NOTIFY selectionChanged)
    Q_PROPERTY(int yearlyLeadIndex READ yearlyLeadIndex NOTIFY selectionChanged)
    // Read from the autostart entry when the screen is made.
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin NOTIFY launchAtLoginChanged)
    // Empty unless the last update of the autostart entry failed.
    Q_PROPERTY(QString launchAtLoginError READ launchAtLoginError NOTIFY launchAtLoginChanged)
    Q_PROPERTY(int archivedCount READ archivedCount NOTIFY archivedChanged)
    // "Archived (3)".
    Q_PROPERTY(QString archivedTitle READ archivedTitle NOTIFY archivedChanged)
    // Collapsed whenever the screen is made.
    Q_PROPERTY(bool showingArchived READ showingArchived WRITE setShowingArchived NOTIFY showingArchivedChanged)
    // "Show" while collapsed, "Hide" while expanded.
    Q_PROPERTY(QString disclosureText READ disclosureText NOTIFY showingArchivedChanged)
    // The list shows only when expanded and not empty.
    Q_PROPERTY(bool showsArchivedList READ showsArchivedList NOTIFY showingArchivedChanged)
    // "1.0 (1)".
    Q_PROPERTY(QString versionText READ versionText CONSTANT)

public:
    // Over the user's own autostart folder.
    explicit SettingsPresenter(QObject* parent = nullptr);
    // Over `autostart`, which must outlive the presenter.
    explicit SettingsPresenter(Autostart& autostart, QObject* parent = nullptr);
    ~SettingsPresenter() override;

    AppSettings* settings() const { return m_settings; }
    void setSettings(AppSettings* settings);
    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);

    static QVariantList currencyChoices();
    static QVariantList displayModeChoices();
    static QVariantList leadChoices();
    int currencyIndex() const;
    int displayModeIndex() const;
    int defaultLeadIndex() const;
    int yearlyLeadIndex() const;

    // The user picked the choice at `index`; other indexes change nothing.
    Q_INVOKABLE void chooseCurrency(int index);
    Q_INVOKABLE void chooseDisplayMode(int index);
    Q_INVOKABLE void chooseDefaultLead(int index);
    Q_INVOKABLE void chooseYearlyLead(int index);

    QString trayNote() const;
    // Takes `host` as the tray's instead of looking on the session bus.
    void setTrayHost(const StatusNotifierHost& host);

    bool launchAtLogin() const { return m_launchAtLogin; }
    QString launchAtLoginError() const { return m_launchAtLoginError; }
    // Writes or removes the autostart entry. On failure the toggle shows the
    // entry's real state and the failure text stays until an update works.
    Q_INVOKABLE void setLaunchAtLogin(bool on);

    int archivedCount() const;
    QString archivedTitle() const;
    bool showingArchived() const { return m_showingArchived; }
    void setShowingArchived(bool showing);
    QString disclosureText() const;
    bool showsArchivedList() const;

    static QString versionText();
    // Ends the program on the next turn of the event loop, as the desktop's
    // own quit does (every change was saved when it was made).
    Q_INVOKABLE static void quit();

Q_SIGNALS:
    void settingsChanged();
    void storeChanged();
    void selectionChanged();
    void launchAtLoginChanged();
    void archivedChanged();
    void showingArchivedChanged();
    void trayHostChanged();

private:
    Autostart& m_autostart;
    QPointer<AppSettings> m_settings;
    QPointer<SubscriptionStore> m_store;
    bool m_launchAtLogin = false;
    QString m_launchAtLoginError;
    bool m_showingArchived = false;
    // Looked for on the session bus when first needed; empty without a tray.
    mutable bool m_lookedForTray = false;
    mutable std::optional<StatusNotifierHost> m_trayHost;
};

}  // namespace tabrino
