#pragma once

#include "foundation/Decimal.h"

#include <QObject>

namespace tabrino {

// The money texts, callable from QML ("Money.plain(store.monthlyTotal, code)").
class MoneyText : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE QString compact(const tabrino::Decimal& amount, const QString& code) const;
    Q_INVOKABLE QString plain(const tabrino::Decimal& amount, const QString& code) const;
    Q_INVOKABLE QString twoDecimals(const tabrino::Decimal& amount, const QString& code) const;
    Q_INVOKABLE QString signedAmount(const tabrino::Decimal& amount, const QString& code) const;
};

}  // namespace tabrino
