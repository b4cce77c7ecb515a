// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/TrayLabel.h"

#include "format/FormatterCache.h"
#include "format/MoneyFormatter.h"
#include "model/BillingCycle.h"
#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"

namespace tabrino {

namespace {

// `formatter`'s text for the whole amount in `digits`; empty when ICU writes nothing.
QString formatted(const icu::number::LocalizedNumberFormatter& formatter, const std::string& digits)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = formatter.formatDecimal(digits, status).toString(status);
    // A hidden currency sign can leave the space that stood beside it.
    return U_FAILURE(status) ? QString() : QStringView(text.getBuffer(), text.length()).toString().trimmed();
}

QStringList compactForms(const Decimal& amount, const QString& code, FormatterCache& cache)
{
    QStringList forms{MoneyFormatter::compact(amount, code, cache)};
    if (const icu::number::LocalizedNumberFormatter* currency = cache.formatter(code, 0)) {
        const std::string digits = amount.rounded(0).toStdString();
        const auto bare = currency->unitWidth(UNUM_UNIT_WIDTH_HIDDEN);
        // ICU's own rounding for short forms (1.2K, 12K, 123K), not the whole units of the amount.
        const auto shortened = currency->notation(icu::number::Notation::compactShort())
                                   .precision(icu::number::Precision::integer().withMinDigits(2));
        // Last, whole thousands or millions: rough, but legible where nothing else is.
        const auto rough = shortened.precision(icu::number::Precision::integer());
        forms << formatted(bare, digits) << formatted(shortened, digits)
              << formatted(shortened.unitWidth(UNUM_UNIT_WIDTH_HIDDEN), digits) << formatted(rough, digits)
              << formatted(rough.unitWidth(UNUM_UNIT_WIDTH_HIDDEN), digits);
    }
    forms.removeAll(QString());
    forms.removeDuplicates();
    return forms;
}

}  // namespace

TrayLabel::TrayLabel(SubscriptionStore& store, AppSettings& settings, QObject* parent)
    : TrayLabel(store, settings, MoneyFormatter::cache(), parent)
{
}

TrayLabel::TrayLabel(SubscriptionStore& store, AppSettings& settings, FormatterCache& cache, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_settings(settings)
    , m_cache(cache)
{
    connect(&store, &SubscriptionStore::figuresChanged, this, &TrayLabel::update);
    connect(&store, &SubscriptionStore::activeChanged, this, &TrayLabel::update);
    connect(&settings, &AppSettings::trayDisplayModeChanged, this, &TrayLabel::update);
    connect(&settings, &AppSettings::defaultCurrencyCodeChanged, this, &TrayLabel::update);
    connect(&settings, &AppSettings::showsRenewalIndicatorChanged, this, &TrayLabel::update);
    update();
}

void TrayLabel::update()
{
    const TrayDisplayMode mode = m_settings.trayDisplayMode();
    const bool imminent = m_store.hasImminentRenewal();
    const QString amount = MoneyFormatter::compact(m_store.monthlyTotal(), m_settings.defaultCurrencyCode(), m_cache)
        + BillingCycle::monthly().localizedSuffix();
    const bool converted = m_store.totalsConversion().has_value();

    const bool showsIcon = mode != TrayDisplayMode::Total;
    const bool showsAmount = mode != TrayDisplayMode::IconOnly;
    const QString amountText = !showsAmount ? QString() : converted ? MoneyFormatter::approximately(amount) : amount;
    QStringList compactAmounts =
        showsAmount ? compactForms(m_store.monthlyTotal(), m_settings.defaultCurrencyCode(), m_cache) : QStringList();
    // Even the shortest form keeps the mark: no converted figure reads as exact.
    if (converted) {
        for (QString& form : compactAmounts)
            form.prepend(u'\u2248');
    }
    const bool showsDot = m_settings.showsRenewalIndicator() && imminent;
    // Read out, "≈" would be "almost equal to".
    QString spoken = converted
        //: The tray item's tooltip and spoken name; %1 is the monthly total converted into one currency ("$13/mo")
        ? tr("Tabrino. Monthly total about %1.").arg(amount)
        //: The tray item's tooltip and spoken name; %1 is the monthly total ("$13/mo")
        : tr("Tabrino. Monthly total %1.").arg(amount);
    if (imminent)
        //: Added to the tray item's tooltip and spoken name while a renewal is near
        spoken += u' ' + tr("A subscription renews within 3 days.");

    if (showsIcon == m_showsIcon && amountText == m_amountText && compactAmounts == m_compactAmounts
        && showsDot == m_showsDot && spoken == m_accessibilityText)
        return;
    m_showsIcon = showsIcon;
    m_amountText = amountText;
    m_compactAmounts = compactAmounts;
    m_showsDot = showsDot;
    m_accessibilityText = spoken;
    Q_EMIT changed();
}

}  // namespace tabrino
