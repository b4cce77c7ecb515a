#include "ui/panel/MenuBarLabel.h"

#include "format/MoneyFormatter.h"
#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"

namespace tabrino {

MenuBarLabel::MenuBarLabel(SubscriptionStore& store, AppSettings& settings, QObject* parent)
    : MenuBarLabel(store, settings, MoneyFormatter::cache(), parent)
{
}

MenuBarLabel::MenuBarLabel(SubscriptionStore& store, AppSettings& settings, FormatterCache& cache, QObject* parent)
    : QObject(parent), m_store(store), m_settings(settings), m_cache(cache)
{
    connect(&store, &SubscriptionStore::figuresChanged, this, &MenuBarLabel::update);
    connect(&store, &SubscriptionStore::activeChanged, this, &MenuBarLabel::update);
    connect(&settings, &AppSettings::menuBarDisplayModeChanged, this, &MenuBarLabel::update);
    connect(&settings, &AppSettings::defaultCurrencyCodeChanged, this, &MenuBarLabel::update);
    connect(&settings, &AppSettings::showsRenewalIndicatorChanged, this, &MenuBarLabel::update);
    update();
}

void MenuBarLabel::update()
{
    const MenuBarDisplayMode mode = m_settings.menuBarDisplayMode();
    const bool imminent = m_store.hasImminentRenewal();
    const QString amount =
        MoneyFormatter::compact(m_store.monthlyTotal(), m_settings.defaultCurrencyCode(), m_cache) + u"/mo"_qs;

    const bool showsIcon = mode != MenuBarDisplayMode::total;
    const QString amountText = mode != MenuBarDisplayMode::iconOnly ? amount : QString();
    const bool showsDot = m_settings.showsRenewalIndicator() && imminent;
    QString spoken = u"Tabrino. Monthly total "_qs + amount + u"."_qs;
    if (imminent)
        spoken += u" A subscription renews within 3 days."_qs;

    if (showsIcon == m_showsIcon && amountText == m_amountText && showsDot == m_showsDot
        && spoken == m_accessibilityText)
        return;
    m_showsIcon = showsIcon;
    m_amountText = amountText;
    m_showsDot = showsDot;
    m_accessibilityText = spoken;
    Q_EMIT changed();
}

}  // namespace tabrino
