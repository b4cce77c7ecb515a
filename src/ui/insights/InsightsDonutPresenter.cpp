// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsDonutPresenter.h"

#include "format/MoneyFormatter.h"
#include "ui/design/Aurora.h"
#include "ui/insights/DonutGeometry.h"

namespace tabrino {

InsightsDonutPresenter::InsightsDonutPresenter(QObject* parent)
    : InsightsPresenter(parent)
    , m_rows(new InsightsRows<DonutSliceRow>(this))
{
}

QString InsightsDonutPresenter::totalText() const
{
    return m_totalConverted ? MoneyFormatter::approximately(m_totalAmount) : m_totalAmount;
}

QString InsightsDonutPresenter::totalAccessibilityText() const
{
    if (m_totalAmount.isEmpty())
        return QString();
    // Read out, "≈" would be "almost equal to".
    if (m_totalConverted) {
        //: Read out for the total in the middle of the spend chart, converted at today's rates; %1 is an amount
        return tr("about %1 per month").arg(m_totalAmount);
    }
    //: Read out for the total in the middle of the spend chart; %1 is an amount
    return tr("%1 per month").arg(m_totalAmount);
}

QList<InsightsDonutPresenter::RankedSlice> InsightsDonutPresenter::rankedSlices(const QList<CategorySlice>& slices)
{
    const QList<QColor> ramp = Aurora::donutRamp();
    QList<RankedSlice> ranked;
    for (qsizetype i = 0; i < std::min<qsizetype>(slices.size(), kNamedSlices); ++i)
        ranked << RankedSlice{slices.at(i).id(), slices.at(i).category.localizedName(), slices.at(i).total, ramp.at(i)};
    if (slices.size() > kNamedSlices) {
        Decimal rest;
        for (qsizetype i = kNamedSlices; i < slices.size(); ++i)
            rest += slices.at(i).total;
        // Its own key, apart from the category "other" it may sit beside.
        //: The spend chart's slice for all categories past the largest ones
        ranked << RankedSlice{QStringLiteral("rest"), tr("Other"), rest, ramp.at(kNamedSlices)};
    }
    return ranked;
}

void InsightsDonutPresenter::update(const SubscriptionStore& store)
{
    const QString code = currencyCode();
    m_totalAmount = MoneyFormatter::compact(store.monthlyTotal(), code);
    m_totalConverted = store.totalsConversion().has_value();
    const QList<RankedSlice> ranked = rankedSlices(store.spendByCategory());
    QList<double> values;
    for (const RankedSlice& slice : ranked)
        values << slice.total.toString().toDouble();  // only the angles need it
    const QList<DonutGeometry::Sector> sectors = DonutGeometry::sectors(values);
    QList<DonutSliceRow> rows;
    for (qsizetype i = 0; i < ranked.size(); ++i) {
        const RankedSlice& slice = ranked.at(i);
        rows << DonutSliceRow{slice.key,
                              slice.label,
                              slice.color,
                              i < sectors.size() ? sectors.at(i).path : QString(),
                              MoneyFormatter::twoDecimals(slice.total, code),
                              QStringList{slice.label, MoneyFormatter::plain(slice.total, code)}.join(u", ")};
    }
    m_rows->setRows(rows);
}

void InsightsDonutPresenter::clear()
{
    InsightsPresenter::clear();
    m_totalAmount.clear();
    m_totalConverted = false;
}

}  // namespace tabrino
