// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/PanelHeaderPresenter.h"

#include "format/MoneyFormatter.h"
#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"
#include "ui/design/Aurora.h"

namespace tabrino {

void PanelHeaderPresenter::setStore(SubscriptionStore* store)
{
    if (!m_watch.setStore(store))
        return;
    update();
    Q_EMIT storeChanged();
}

void PanelHeaderPresenter::update()
{
    m_converted = false;
    m_monthlyAmount.clear();
    m_monthlyText.clear();
    m_yearlyText.clear();
    m_delta.reset();
    m_deltaText.clear();
    m_deltaAccessibilityText.clear();
    if (const SubscriptionStore* store = m_watch.store()) {
        const QString code = store->settings().defaultCurrencyCode();
        const Decimal monthly = store->monthlyTotal();
        m_converted = store->totalsConversion().has_value();
        const auto marked = [this](const QString& amount) {
            return m_converted ? MoneyFormatter::approximately(amount) : amount;
        };
        m_monthlyAmount = MoneyFormatter::plain(monthly, code);
        m_monthlyText = marked(m_monthlyAmount);
        //: Under the monthly total; %1 is the yearly total ("$1.2K")
        m_yearlyText = tr("%1 per year").arg(marked(MoneyFormatter::compact(monthly * Decimal(12), code)));
        const std::optional<Decimal> delta = store->monthOverMonthDelta();
        if (delta && !delta->isZero()) {
            m_delta = delta;
            //: In a small pill under the totals; %1 is the change in monthly spending with its sign ("+$5")
            m_deltaText = tr("%1 vs last month").arg(MoneyFormatter::signedAmount(*delta, code));
            const QString amount = MoneyFormatter::plain(delta->abs(), code);
            m_deltaAccessibilityText = *delta > Decimal(0)
                //: Spoken for the change in monthly spending; %1 is an amount ("$5")
                ? tr("Spending %1 more than last month").arg(amount)
                //: Spoken for the change in monthly spending; %1 is an amount ("$5")
                : tr("Spending %1 less than last month").arg(amount);
        }
    }
    Q_EMIT textsChanged();
}

QString PanelHeaderPresenter::monthlyAccessibilityText() const
{
    // Read out, "≈" would be "almost equal to".
    return m_converted
        //: Spoken for the big monthly total, converted into one currency; %1 is an amount ("$13.99")
        ? tr("Monthly total about %1").arg(m_monthlyAmount)
        //: Spoken for the big monthly total; %1 is an amount ("$13.99")
        : tr("Monthly total %1").arg(m_monthlyAmount);
}

bool PanelHeaderPresenter::deltaIsIncrease() const
{
    return m_delta && *m_delta > Decimal(0);
}

QString PanelHeaderPresenter::deltaSymbol() const
{
    return deltaIsIncrease() ? QStringLiteral("arrow.up") : QStringLiteral("arrow.down");
}

QColor PanelHeaderPresenter::deltaArrowColor() const
{
    return deltaIsIncrease() ? Aurora::deltaArrow() : Aurora::deltaArrowDown();
}

}  // namespace tabrino
