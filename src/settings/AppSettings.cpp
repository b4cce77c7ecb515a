// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/AppSettings.h"

#include "foundation/Logging.h"
#include "foundation/SystemLocale.h"

#include <QSettings>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

const QString kTrayDisplayMode = u"trayDisplayMode"_s;
// Where releases before the tray naming kept the same choice.
const QString kOldTrayDisplayMode = u"menuBarDisplayMode"_s;
const QString kDefaultCurrencyCode = u"defaultCurrencyCode"_s;
const QString kDefaultLeadDays = u"defaultLeadDays"_s;
const QString kYearlyLeadDays = u"yearlyLeadDays"_s;
const QString kNotificationsRequested = u"notificationsRequested"_s;
const QString kShowsRenewalIndicator = u"showsRenewalIndicator"_s;
const QString kCatalogAutoUpdate = u"catalogAutoUpdate"_s;
const QString kShowsTotalsInOneCurrency = u"showsTotalsInOneCurrency"_s;
const QString kKeepsCalendarFile = u"keepsCalendarFile"_s;

bool isText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

// Values come back typed while they are still in memory and as text once
// they went through the file, so both forms are accepted. Anything else
// (a hand-edited "abc", a list, an out-of-range number) is not a value.
std::optional<int> toInt(const QVariant& value)
{
    bool ok = false;
    int result = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        result = value.toInt(&ok);
        // QVariant::toInt truncates silently; keep only values that fit.
        if (ok && value.toLongLong() != result)
            ok = false;
        break;
    case QMetaType::QString: result = value.toString().trimmed().toInt(&ok); break;
    default: break;
    }
    return ok ? std::optional<int>(result) : std::nullopt;
}

std::optional<bool> toBool(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        if (value.toLongLong() == 0 || value.toLongLong() == 1)
            return value.toLongLong() == 1;
        return std::nullopt;
    case QMetaType::QString: {
        // QVariant::toBool() would read any other text as true.
        const QString text = value.toString().trimmed();
        if (text.compare(u"true"_s, Qt::CaseInsensitive) == 0 || text == u"1"_s)
            return true;
        if (text.compare(u"false"_s, Qt::CaseInsensitive) == 0 || text == u"0"_s)
            return false;
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}

}  // namespace

AppSettings& AppSettings::shared()
{
    static AppSettings* const instance = [] {
        auto* store = new QSettings(u"Tabrino"_s, u"Tabrino"_s);
        auto* settings = new AppSettings(*store);
        store->setParent(settings);
        return settings;
    }();
    return *instance;
}

AppSettings::AppSettings(QSettings& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_registered{
          {kTrayDisplayMode, toString(TrayDisplayMode::IconAndTotal)},
          {kDefaultLeadDays, 3},
          {kYearlyLeadDays, 14},
          {kShowsRenewalIndicator, true},
          {kCatalogAutoUpdate, true},
      }
{
    // Moved as it is, valid or not, so it reads exactly as it did before.
    if (!m_store.contains(kTrayDisplayMode) && m_store.contains(kOldTrayDisplayMode)) {
        const QVariant old = m_store.value(kOldTrayDisplayMode);
        m_store.remove(kOldTrayDisplayMode);
        write(kTrayDisplayMode, old);
    }

    // Any stored text that is not exactly a mode's name, even one differing
    // only by a space, reads as the plain total rather than the registered
    // default.
    const QVariant mode = storedOrRegistered(kTrayDisplayMode);
    m_trayDisplayMode = isText(mode) ? trayDisplayModeFromString(mode.toString()).value_or(TrayDisplayMode::Total)
                                     : TrayDisplayMode::Total;

    // The locale's currency is only a fallback: it follows the locale until
    // the user picks a code, so it is never stored.
    const QVariant code = m_store.value(kDefaultCurrencyCode);
    m_defaultCurrencyCode = isText(code) && !code.toString().isEmpty() ? code.toString() : SystemLocale::currencyCode();

    m_defaultLeadDays = readInt(kDefaultLeadDays);
    m_yearlyLeadDays = readInt(kYearlyLeadDays);
    m_notificationsRequested = readBool(kNotificationsRequested);
    m_showsRenewalIndicator = readBool(kShowsRenewalIndicator);
    m_catalogAutoUpdate = readBool(kCatalogAutoUpdate);
    m_showsTotalsInOneCurrency = readBool(kShowsTotalsInOneCurrency);
    m_keepsCalendarFile = readBool(kKeepsCalendarFile);
}

QVariant AppSettings::storedOrRegistered(const QString& key) const
{
    if (m_store.contains(key))
        return m_store.value(key);
    return m_registered.value(key);
}

int AppSettings::readInt(const QString& key) const
{
    // A damaged stored value reads as if the user had never set one.
    if (const auto stored = toInt(m_store.value(key)))
        return *stored;
    return toInt(m_registered.value(key)).value_or(0);
}

bool AppSettings::readBool(const QString& key) const
{
    if (const auto stored = toBool(m_store.value(key)))
        return *stored;
    return toBool(m_registered.value(key)).value_or(false);
}

void AppSettings::write(const QString& key, const QVariant& value)
{
    m_store.setValue(key, value);
    // Settings change rarely and one by one; writing through at once means a
    // change is on disk even if the process ends before the next event turn.
    m_store.sync();
    if (m_store.status() != QSettings::NoError)
        qCWarning(lcSettings).noquote() << "Couldn't write the setting" << key << "to" << m_store.fileName();
}

void AppSettings::setTrayDisplayMode(TrayDisplayMode mode)
{
    if (mode == m_trayDisplayMode)
        return;
    m_trayDisplayMode = mode;
    write(kTrayDisplayMode, toString(mode));
    Q_EMIT trayDisplayModeChanged();
}

QString AppSettings::trayDisplayModeName() const
{
    return toString(m_trayDisplayMode);
}

void AppSettings::setTrayDisplayModeName(const QString& name)
{
    if (const auto mode = trayDisplayModeFromString(name))
        setTrayDisplayMode(*mode);
}

void AppSettings::setDefaultCurrencyCode(const QString& code)
{
    if (code == m_defaultCurrencyCode)
        return;
    m_defaultCurrencyCode = code;
    write(kDefaultCurrencyCode, code);
    Q_EMIT defaultCurrencyCodeChanged();
}

void AppSettings::setDefaultLeadDays(int days)
{
    if (days == m_defaultLeadDays)
        return;
    m_defaultLeadDays = days;
    write(kDefaultLeadDays, days);
    Q_EMIT defaultLeadDaysChanged();
}

void AppSettings::setYearlyLeadDays(int days)
{
    if (days == m_yearlyLeadDays)
        return;
    m_yearlyLeadDays = days;
    write(kYearlyLeadDays, days);
    Q_EMIT yearlyLeadDaysChanged();
}

void AppSettings::setNotificationsRequested(bool requested)
{
    if (requested == m_notificationsRequested)
        return;
    m_notificationsRequested = requested;
    write(kNotificationsRequested, requested);
    Q_EMIT notificationsRequestedChanged();
}

void AppSettings::setShowsRenewalIndicator(bool shows)
{
    if (shows == m_showsRenewalIndicator)
        return;
    m_showsRenewalIndicator = shows;
    write(kShowsRenewalIndicator, shows);
    Q_EMIT showsRenewalIndicatorChanged();
}

void AppSettings::setCatalogAutoUpdate(bool enabled)
{
    if (enabled == m_catalogAutoUpdate)
        return;
    m_catalogAutoUpdate = enabled;
    write(kCatalogAutoUpdate, enabled);
    Q_EMIT catalogAutoUpdateChanged();
}

void AppSettings::setKeepsCalendarFile(bool keeps)
{
    if (keeps == m_keepsCalendarFile)
        return;
    m_keepsCalendarFile = keeps;
    write(kKeepsCalendarFile, keeps);
    Q_EMIT keepsCalendarFileChanged();
}

void AppSettings::setShowsTotalsInOneCurrency(bool shows)
{
    if (shows == m_showsTotalsInOneCurrency)
        return;
    m_showsTotalsInOneCurrency = shows;
    write(kShowsTotalsInOneCurrency, shows);
    Q_EMIT showsTotalsInOneCurrencyChanged();
}

}  // namespace tabrino
