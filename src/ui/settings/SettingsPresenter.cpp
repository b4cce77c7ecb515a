// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/SettingsPresenter.h"

#include "platform/AppVersion.h"
#include "platform/Autostart.h"
#include "platform/QuitOnSignal.h"
#include "platform/StatusNotifierItem.h"
#include "ui/editing/EditingChoices.h"

#include <QDBusConnection>

#include <algorithm>

namespace tabrino {

namespace {

QVariantMap choice(const QVariant& value, const QString& label)
{
    return {{QStringLiteral("value"), value}, {QStringLiteral("label"), label}};
}

bool inRange(int index, qsizetype size)
{
    return index >= 0 && index < size;
}

}  // namespace

SettingsPresenter::SettingsPresenter(QObject* parent)
    : QObject(parent)
    , m_autostart(*new Autostart(this))
    , m_launchAtLogin(m_autostart.isEnabled())
{
}

SettingsPresenter::SettingsPresenter(Autostart& autostart, QObject* parent)
    : QObject(parent)
    , m_autostart(autostart)
    , m_launchAtLogin(autostart.isEnabled())
{
}

SettingsPresenter::~SettingsPresenter() = default;

void SettingsPresenter::setSettings(AppSettings* settings)
{
    if (m_settings == settings)
        return;
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings) {
        for (auto changed : {&AppSettings::defaultCurrencyCodeChanged, &AppSettings::trayDisplayModeChanged,
                             &AppSettings::defaultLeadDaysChanged, &AppSettings::yearlyLeadDaysChanged})
            connect(settings, changed, this, &SettingsPresenter::selectionChanged);
    }
    Q_EMIT settingsChanged();
    Q_EMIT selectionChanged();
}

void SettingsPresenter::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (store) {
        connect(store, &SubscriptionStore::archivedChanged, this, &SettingsPresenter::archivedChanged);
        connect(store, &SubscriptionStore::archivedChanged, this, &SettingsPresenter::showingArchivedChanged);
    }
    Q_EMIT storeChanged();
    Q_EMIT archivedChanged();
    Q_EMIT showingArchivedChanged();
}

QVariantList SettingsPresenter::currencyChoices()
{
    QVariantList choices;
    for (const QString& code : EditingChoices::currencyCodes())
        choices << choice(code, code);
    return choices;
}

QVariantList SettingsPresenter::displayModeChoices()
{
    QVariantList choices;
    for (const TrayDisplayMode mode : kTrayDisplayModes)
        choices << choice(toString(mode), label(mode));
    return choices;
}

QVariantList SettingsPresenter::leadChoices()
{
    QVariantList choices;
    for (const int days : EditingChoices::leadDays())
        choices << choice(days, EditingChoices::leadTimeLabel(days));
    return choices;
}

int SettingsPresenter::currencyIndex() const
{
    return m_settings ? EditingChoices::currencyIndex(m_settings->defaultCurrencyCode()) : -1;
}

int SettingsPresenter::displayModeIndex() const
{
    if (!m_settings)
        return -1;
    const auto found = std::find(kTrayDisplayModes.begin(), kTrayDisplayModes.end(), m_settings->trayDisplayMode());
    return static_cast<int>(found - kTrayDisplayModes.begin());
}

int SettingsPresenter::defaultLeadIndex() const
{
    return m_settings ? EditingChoices::leadDaysIndex(m_settings->defaultLeadDays()) : -1;
}

int SettingsPresenter::yearlyLeadIndex() const
{
    return m_settings ? EditingChoices::leadDaysIndex(m_settings->yearlyLeadDays()) : -1;
}

void SettingsPresenter::chooseCurrency(int index)
{
    const QStringList codes = EditingChoices::currencyCodes();
    if (m_settings && inRange(index, codes.size()))
        m_settings->setDefaultCurrencyCode(codes.at(index));
}

void SettingsPresenter::chooseDisplayMode(int index)
{
    if (m_settings && inRange(index, qsizetype(kTrayDisplayModes.size())))
        m_settings->setTrayDisplayMode(kTrayDisplayModes.at(std::size_t(index)));
}

void SettingsPresenter::chooseDefaultLead(int index)
{
    const QList<int> days = EditingChoices::leadDays();
    if (m_settings && inRange(index, days.size()))
        m_settings->setDefaultLeadDays(days.at(index));
}

void SettingsPresenter::chooseYearlyLead(int index)
{
    const QList<int> days = EditingChoices::leadDays();
    if (m_settings && inRange(index, days.size()))
        m_settings->setYearlyLeadDays(days.at(index));
}

QString SettingsPresenter::trayNote() const
{
    if (!m_lookedForTray) {
        m_lookedForTray = true;
        // Without a tray the panel is a window of its own: nothing to explain.
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (StatusNotifierItem::isWatcherPresent(bus))
            m_trayHost = StatusNotifierHost::detect(bus);
    }
    if (!m_trayHost || m_trayHost->drawing != StatusNotifierHost::Drawing::SquareImage)
        return QString();
    if (m_trayHost->program == u"plasmashell") {
        //: Under the tray display choice, on KDE Plasma; "Tabrino" is the name of the widget to add
        return tr("Plasma's tray shows each item as a small square. "
                  "To see the total in full, add the \"Tabrino\" widget to the panel.");
    }
    //: Under the tray display choice, on a desktop whose tray shows only icons
    return tr("This desktop's tray shows each item as a small square: the total appears alone in it, "
              "shortened to fit, and in full in its tooltip.");
}

void SettingsPresenter::setTrayHost(const StatusNotifierHost& host)
{
    m_lookedForTray = true;
    m_trayHost = host;
    Q_EMIT trayHostChanged();
}

void SettingsPresenter::setLaunchAtLogin(bool on)
{
    const QString failure = on ? m_autostart.writeEntry() : m_autostart.removeEntry();
    m_launchAtLogin = failure.isEmpty() ? on : m_autostart.isEnabled();
    m_launchAtLoginError = failure;
    // Always announced: the toggle already moved and must move back on failure.
    Q_EMIT launchAtLoginChanged();
}

int SettingsPresenter::archivedCount() const
{
    return m_store ? static_cast<int>(m_store->archived().size()) : 0;
}

QString SettingsPresenter::archivedTitle() const
{
    //: Heading of the settings' section of archived subscriptions, with their count
    return tr("Archived (%Ln)", nullptr, archivedCount());
}

void SettingsPresenter::setShowingArchived(bool showing)
{
    if (m_showingArchived == showing)
        return;
    m_showingArchived = showing;
    Q_EMIT showingArchivedChanged();
}

QString SettingsPresenter::disclosureText() const
{
    if (m_showingArchived) {
        //: Folds away the list of archived subscriptions
        return tr("Hide");
    }
    //: Unfolds the list of archived subscriptions
    return tr("Show");
}

bool SettingsPresenter::showsArchivedList() const
{
    return m_showingArchived && archivedCount() > 0;
}

QString SettingsPresenter::versionText()
{
    return AppVersion::text();
}

void SettingsPresenter::quit()
{
    requestQuit();
}

}  // namespace tabrino
