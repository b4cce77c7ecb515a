#include "ui/panel/PanelHeaderPresenter.h"

#include "format/MoneyFormatter.h"
#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"
#include "ui/design/Aurora.h"

namespace tabrino {

void PanelHeaderPresenter::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    if (m_store) {
        disconnect(m_store, nullptr, this, nullptr);
        disconnect(&m_store->settings(), nullptr, this, nullptr);
    }
    m_store = store;
    if (store) {
        connect(store, &SubscriptionStore::figuresChanged, this, &PanelHeaderPresenter::update);
        connect(&store->settings(), &AppSettings::defaultCurrencyCodeChanged, this, &PanelHeaderPresenter::update);
    }
    update();
    Q_EMIT storeChanged();
}

void PanelHeaderPresenter::update()
{
    m_monthlyText.clear();
    m_yearlyText.clear();
    m_delta.reset();
    m_deltaText.clear();
    m_deltaAccessibilityText.clear();
    if (m_store) {
        const QString code = m_store->settings().defaultCurrencyCode();
        const Decimal monthly = m_store->monthlyTotal();
        m_monthlyText = MoneyFormatter::plain(monthly, code);
        m_yearlyText = tr("%1 per year").arg(MoneyFormatter::compact(monthly * Decimal(12), code));
        const std::optional<Decimal> delta = m_store->monthOverMonthDelta();
        if (delta && !delta->isZero()) {
            m_delta = delta;
            m_deltaText = tr("%1 vs last month").arg(MoneyFormatter::signedAmount(*delta, code));
            const QString amount = MoneyFormatter::plain(delta->abs(), code);
            m_deltaAccessibilityText = *delta > Decimal(0) ? tr("Spending %1 more than last month").arg(amount)
                                                           : tr("Spending %1 less than last month").arg(amount);
        }
    }
    Q_EMIT textsChanged();
}

QString PanelHeaderPresenter::monthlyAccessibilityText() const
{
    return tr("Monthly total %1").arg(m_monthlyText);
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
