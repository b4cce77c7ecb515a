// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "store/CategorySlice.h"
#include "ui/insights/InsightsPresenter.h"

#include <QColor>
#include <QList>
#include <QString>

namespace tabrino {

// One slice of InsightsDonutPresenter, as drawn and listed; its properties
// are the roles of its rows.
struct DonutSliceRow {
    Q_GADGET
    Q_PROPERTY(QString label MEMBER label)
    Q_PROPERTY(QColor color MEMBER color)
    // The sector's outline as SVG path data.
    Q_PROPERTY(QString path MEMBER path)
    Q_PROPERTY(QString legendAmount MEMBER legendAmount)
    Q_PROPERTY(QString accessibilityText MEMBER accessibilityText)

public:
    QString key;
    QString label;
    QColor color;
    QString path;
    QString legendAmount;
    QString accessibilityText;

    friend bool operator==(const DonutSliceRow&, const DonutSliceRow&) = default;
};

// The spend-by-category donut: the ranked slices (the five largest
// categories, then the rest as "Other"), each slice's sector outline, its
// legend amount and its spoken label, and the monthly total in the middle.
class InsightsDonutPresenter : public tabrino::InsightsPresenter {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString totalText READ totalText NOTIFY textsChanged)
    Q_PROPERTY(QString totalAccessibilityText READ totalAccessibilityText NOTIFY textsChanged)

public:
    static constexpr int kNamedSlices = 5;

    struct RankedSlice {
        QString key;
        QString label;
        Decimal total;
        QColor color;
    };

    explicit InsightsDonutPresenter(QObject* parent = nullptr);

    InsightsRows<DonutSliceRow>* rows() const { return m_rows; }
    InsightsRowsModel* rowsModel() const override { return m_rows; }

    QString totalText() const;
    // "$121 per month".
    QString totalAccessibilityText() const;

    // The first five slices by name, then one "Other" slice for the sixth on,
    // even when a category named "Other" is among the five.
    static QList<RankedSlice> rankedSlices(const QList<CategorySlice>& slices);

protected:
    void update(const SubscriptionStore& store) override;
    void clear() override;

private:
    InsightsRows<DonutSliceRow>* const m_rows;
    QString m_totalAmount;  // without the mark of a converted total
    bool m_totalConverted = false;
};

}  // namespace tabrino
