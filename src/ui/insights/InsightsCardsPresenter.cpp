// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsCardsPresenter.h"

#include "format/MoneyFormatter.h"

namespace tabrino {

InsightsCardsPresenter::InsightsCardsPresenter(QObject* parent)
    : InsightsPresenter(parent)
    , m_rows(new InsightsRows<StatCardRow>(this))
{
}

QString StatCardRow::accessibilityText() const
{
    //: Read out for a card of the insights: %1 is its label ("Most Expensive"), %2 a monthly amount, %3 what
    //: the amount is of (a subscription's name, a category, "per service")
    return InsightsCardsPresenter::tr("%1: %2 per month, %3").arg(label, value, detail);
}

QList<StatCardRow> InsightsCardsPresenter::cards(const SubscriptionStore& store, const QString& currencyCode)
{
    const bool converted = store.totalsConversion().has_value();
    const auto money = [&](const Decimal& amount) {
        const QString text = MoneyFormatter::plain(amount, currencyCode);
        return converted ? MoneyFormatter::approximately(text) : text;
    };
    QList<StatCardRow> cards;
    if (const Subscription* priciest = store.mostExpensive()) {
        //: Label of the insights card with the subscription that costs the most a month
        cards << StatCardRow{QStringLiteral("mostExpensive"), tr("Most Expensive"),
                             money(store.monthlyCostInTotals(*priciest).value_or(priciest->monthlyCost())),
                             priciest->name()};
    }
    const QList<CategorySlice> slices = store.spendByCategory();
    if (!slices.isEmpty()) {
        //: Label of the insights card with the category that costs the most a month
        cards << StatCardRow{QStringLiteral("topCategory"), tr("Top Category"), money(slices.first().total),
                             slices.first().category.localizedName()};
    }
    if (const std::optional<Decimal> average = store.averageMonthlyCost()) {
        //: Label of the insights card with what a subscription costs a month on average
        cards << StatCardRow{QStringLiteral("average"), tr("Average"), money(*average),
                             //: Under the average monthly amount on its insights card
                             tr("per service")};
    }
    return cards;
}

void InsightsCardsPresenter::update(const SubscriptionStore& store)
{
    m_rows->setRows(cards(store, currencyCode()));
}

}  // namespace tabrino
