#include "settings/AppSettings.h"

#include "foundation/Logging.h"
#include "foundation/SystemLocale.h"

#include <QSettings>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

const QString kMenuBarDisplayMode = u"menuBarDisplayMode"_s;
const QString kDefaultCurrencyCode = u"defaultCurrencyCode"_s;
const QString kDefaultLeadDays = u"defaultLeadDays"_s;
const QString kYearlyLeadDays = u"yearlyLeadDays"_s;
const QString kNotificationsRequested = u"notificationsRequested"_s;
const QString kShowsRenewalIndicator = u"showsRenewalIndicator"_s;
const QString kCatalogAutoUpdate = u"catalogAutoUpdate"_s;

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
    case QMetaType::QString:
        result = value.toString().trimmed().toInt(&ok);
        break;
    default:
        break;
    }
    return ok ? std::optional<int>(result) : std::nullopt;
}

std::optional<bool> toBool(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
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
    default:
        return std::nullopt;
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

AppSettings::AppSettings(QSettings& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_registered{
          {kMenuBarDisplayMode, rawValue(MenuBarDisplayMode::iconAndTotal)},
          {kDefaultLeadDays, 3},
          {kYearlyLeadDays, 14},
          {kShowsRenewalIndicator, true},
          {kCatalogAutoUpdate, true},
      }
{
    // Any stored text that is not exactly a raw value, even one differing only
    // by a space, reads as the plain total rather than the registered default.
    const QVariant mode = storedOrRegistered(kMenuBarDisplayMode);
    m_menuBarDisplayMode = isText(mode)
        ? menuBarDisplayModeFromRawValue(mode.toString()).value_or(MenuBarDisplayMode::total)
        : MenuBarDisplayMode::total;

    // The locale's currency is only a fallback: it follows the locale until
    // the user picks a code, so it is never stored.
    const QVariant code = m_defaults.value(kDefaultCurrencyCode);
    m_defaultCurrencyCode = isText(code) && !code.toString().isEmpty() ? code.toString()
                                                                       : SystemLocale::currencyCode();

    m_defaultLeadDays = readInt(kDefaultLeadDays);
    m_yearlyLeadDays = readInt(kYearlyLeadDays);
    m_notificationsRequested = readBool(kNotificationsRequested);
    m_showsRenewalIndicator = readBool(kShowsRenewalIndicator);
    m_catalogAutoUpdate = readBool(kCatalogAutoUpdate);
}

QVariant AppSettings::storedOrRegistered(const QString& key) const
{
    if (m_defaults.contains(key))
        return m_defaults.value(key);
    return m_registered.value(key);
}

int AppSettings::readInt(const QString& key) const
{
    // A damaged stored value reads as if the user had never set one.
    if (const auto stored = toInt(m_defaults.value(key)))
        return *stored;
    return toInt(m_registered.value(key)).value_or(0);
}

bool AppSettings::readBool(const QString& key) const
{
    if (const auto stored = toBool(m_defaults.value(key)))
        return *stored;
    return toBool(m_registered.value(key)).value_or(false);
}

void AppSettings::write(const QString& key, const QVariant& value)
{
    m_defaults.setValue(key, value);
    // Settings change rarely and one by one; writing through at once means a
    // change is on disk even if the process ends before the next event turn.
    m_defaults.sync();
    if (m_defaults.status() != QSettings::NoError)
        qCWarning(lcSettings).noquote() << "Couldn't write the setting" << key << "to" << m_defaults.fileName();
}

void AppSettings::setMenuBarDisplayMode(MenuBarDisplayMode mode)
{
    if (mode == m_menuBarDisplayMode)
        return;
    m_menuBarDisplayMode = mode;
    write(kMenuBarDisplayMode, rawValue(mode));
    Q_EMIT menuBarDisplayModeChanged();
}

QString AppSettings::menuBarDisplayModeRawValue() const
{
    return rawValue(m_menuBarDisplayMode);
}

void AppSettings::setMenuBarDisplayModeRawValue(const QString& raw)
{
    if (const auto mode = menuBarDisplayModeFromRawValue(raw))
        setMenuBarDisplayMode(*mode);
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

}  // namespace tabrino
