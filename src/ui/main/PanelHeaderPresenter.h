// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SubscriptionStore.h"
#include "ui/design/FigureWatch.h"

#include "foundation/Decimal.h"
#include "model/BillingCycle.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

// The texts of the panel's header: the monthly and yearly totals in the
// default currency ("≈" in front while they are converted) and the change
// against last month (`DeltaPill`).
class PanelHeaderPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(QString monthlyText READ monthlyText NOTIFY textsChanged)
    Q_PROPERTY(QString perMonthText READ perMonthText CONSTANT)
    Q_PROPERTY(QString monthlyAccessibilityText READ monthlyAccessibilityText NOTIFY textsChanged)
    Q_PROPERTY(QString yearlyText READ yearlyText NOTIFY textsChanged)
    Q_PROPERTY(bool showsDelta READ showsDelta NOTIFY textsChanged)
    Q_PROPERTY(bool deltaIsIncrease READ deltaIsIncrease NOTIFY textsChanged)
    Q_PROPERTY(QString deltaSymbol READ deltaSymbol NOTIFY textsChanged)
    Q_PROPERTY(QColor deltaArrowColor READ deltaArrowColor NOTIFY textsChanged)
    Q_PROPERTY(QString deltaText READ deltaText NOTIFY textsChanged)
    Q_PROPERTY(QString deltaAccessibilityText READ deltaAccessibilityText NOTIFY textsChanged)

public:
    using QObject::QObject;

    SubscriptionStore* store() const { return m_watch.store(); }
    void setStore(SubscriptionStore* store);

    QString monthlyText() const { return m_monthlyText; }
    // "/mo", after the monthly total.
    static QString perMonthText() { return BillingCycle::monthly().localizedSuffix(); }
    QString monthlyAccessibilityText() const;
    QString yearlyText() const { return m_yearlyText; }
    // A pill only for a known, non-zero change.
    bool showsDelta() const { return m_delta.has_value(); }
    bool deltaIsIncrease() const;
    QString deltaSymbol() const;
    QColor deltaArrowColor() const;
    QString deltaText() const { return m_deltaText; }
    QString deltaAccessibilityText() const { return m_deltaAccessibilityText; }

Q_SIGNALS:
    void storeChanged();
    void textsChanged();

private:
    void update();

    FigureWatch m_watch{this, [this] { update(); }};
    bool m_converted = false;
    QString m_monthlyAmount;
    QString m_monthlyText;
    QString m_yearlyText;
    std::optional<Decimal> m_delta;
    QString m_deltaText;
    QString m_deltaAccessibilityText;
};

}  // namespace tabrino
