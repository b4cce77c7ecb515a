// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/TrayDisplayMode.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

class QSettings;

namespace tabrino {

// The user's preferences, each mirrored in the per-user settings store under
// a key named after the property. Keys the user never set read a registered
// default that lives only in memory, so a later change of a default reaches
// every user who did not choose a value of their own.
class AppSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(tabrino::TrayDisplayMode trayDisplayMode READ trayDisplayMode WRITE setTrayDisplayMode NOTIFY
                   trayDisplayModeChanged)
    // The same setting as its stored text, for QML.
    Q_PROPERTY(
        QString trayDisplayModeName READ trayDisplayModeName WRITE setTrayDisplayModeName NOTIFY trayDisplayModeChanged)
    Q_PROPERTY(QString defaultCurrencyCode READ defaultCurrencyCode WRITE setDefaultCurrencyCode NOTIFY
                   defaultCurrencyCodeChanged)
    Q_PROPERTY(int defaultLeadDays READ defaultLeadDays WRITE setDefaultLeadDays NOTIFY defaultLeadDaysChanged)
    Q_PROPERTY(int yearlyLeadDays READ yearlyLeadDays WRITE setYearlyLeadDays NOTIFY yearlyLeadDaysChanged)
    Q_PROPERTY(bool notificationsRequested READ notificationsRequested WRITE setNotificationsRequested NOTIFY
                   notificationsRequestedChanged)
    Q_PROPERTY(bool showsRenewalIndicator READ showsRenewalIndicator WRITE setShowsRenewalIndicator NOTIFY
                   showsRenewalIndicatorChanged)
    Q_PROPERTY(bool catalogAutoUpdate READ catalogAutoUpdate WRITE setCatalogAutoUpdate NOTIFY catalogAutoUpdateChanged)
    Q_PROPERTY(bool showsTotalsInOneCurrency READ showsTotalsInOneCurrency WRITE setShowsTotalsInOneCurrency NOTIFY
                   showsTotalsInOneCurrencyChanged)
    Q_PROPERTY(bool keepsCalendarFile READ keepsCalendarFile WRITE setKeepsCalendarFile NOTIFY keepsCalendarFileChanged)

public:
    // The process-wide instance over the user's store (organisation and
    // application "Tabrino"), created on first use and never destroyed.
    static AppSettings& shared();

    // Reads every value from `defaults`, which must outlive this object.
    explicit AppSettings(QSettings& store, QObject* parent = nullptr);

    // The underlying store; other owners keep their own keys in it.
    QSettings& store() const { return m_store; }

    TrayDisplayMode trayDisplayMode() const { return m_trayDisplayMode; }
    void setTrayDisplayMode(TrayDisplayMode mode);
    QString trayDisplayModeName() const;
    // An unknown name is ignored.
    void setTrayDisplayModeName(const QString& name);

    QString defaultCurrencyCode() const { return m_defaultCurrencyCode; }
    void setDefaultCurrencyCode(const QString& code);

    int defaultLeadDays() const { return m_defaultLeadDays; }
    void setDefaultLeadDays(int days);

    int yearlyLeadDays() const { return m_yearlyLeadDays; }
    void setYearlyLeadDays(int days);

    bool notificationsRequested() const { return m_notificationsRequested; }
    void setNotificationsRequested(bool requested);

    bool showsRenewalIndicator() const { return m_showsRenewalIndicator; }
    void setShowsRenewalIndicator(bool shows);

    bool catalogAutoUpdate() const { return m_catalogAutoUpdate; }
    void setCatalogAutoUpdate(bool enabled);

    // Totals convert every amount into the default currency at the euro
    // reference rates before adding it; off, they add the amounts as they are.
    bool showsTotalsInOneCurrency() const { return m_showsTotalsInOneCurrency; }
    void setShowsTotalsInOneCurrency(bool shows);

    // A calendar file of the renewals is kept in the data folder; off by default.
    bool keepsCalendarFile() const { return m_keepsCalendarFile; }
    void setKeepsCalendarFile(bool keeps);

Q_SIGNALS:
    void trayDisplayModeChanged();
    void defaultCurrencyCodeChanged();
    void defaultLeadDaysChanged();
    void yearlyLeadDaysChanged();
    void notificationsRequestedChanged();
    void showsRenewalIndicatorChanged();
    void catalogAutoUpdateChanged();
    void showsTotalsInOneCurrencyChanged();
    void keepsCalendarFileChanged();

private:
    // The user's stored value, else the registered one, else invalid.
    QVariant storedOrRegistered(const QString& key) const;
    int readInt(const QString& key) const;
    bool readBool(const QString& key) const;
    void write(const QString& key, const QVariant& value);

    QSettings& m_store;
    QHash<QString, QVariant> m_registered;

    TrayDisplayMode m_trayDisplayMode = TrayDisplayMode::IconAndTotal;
    QString m_defaultCurrencyCode;
    int m_defaultLeadDays = 3;
    int m_yearlyLeadDays = 14;
    bool m_notificationsRequested = false;
    bool m_showsRenewalIndicator = true;
    bool m_catalogAutoUpdate = true;
    bool m_showsTotalsInOneCurrency = false;
    bool m_keepsCalendarFile = false;
};

}  // namespace tabrino
