// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsCardsPresenter.h"

#include "format/MoneyFormatter.h"

namespace tabrino {

InsightsCardsPresenter::InsightsCardsPresenter(QObject* parent)
    : InsightsPresenter({"label", "value", "detail", "accessibilityText"}, parent)
{
}

QString InsightsCardsPresenter::Card::accessibilityText() const
{
    return tr("%1: %2 per month, %3").arg(label, value, detail);
}

QList<InsightsCardsPresenter::Card> InsightsCardsPresenter::cards(const SubscriptionStore& store,
                                                                  const QString& currencyCode)
{
    QList<Card> cards;
    if (const Subscription* priciest = store.mostExpensive())
        cards << Card{QStringLiteral("mostExpensive"), tr("Most Expensive"),
                      MoneyFormatter::plain(priciest->monthlyCost(), currencyCode), priciest->name()};
    const QList<CategorySlice> slices = store.spendByCategory();
    if (!slices.isEmpty())
        cards << Card{QStringLiteral("topCategory"), tr("Top Category"),
                      MoneyFormatter::plain(slices.first().total, currencyCode), slices.first().displayName()};
    if (const std::optional<Decimal> average = store.averageMonthlyCost())
        cards << Card{QStringLiteral("average"), tr("Average"), MoneyFormatter::plain(*average, currencyCode),
                      tr("per service")};
    return cards;
}

void InsightsCardsPresenter::update(const SubscriptionStore& store)
{
    QList<InsightsRowsModel::Row> rows;
    for (const Card& card : cards(store, currencyCode()))
        rows << InsightsRowsModel::Row{card.key, {card.label, card.value, card.detail, card.accessibilityText()}};
    this->rows()->setRows(rows);
}

}  // namespace tabrino
