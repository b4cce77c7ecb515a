// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The choices the subscription form and the settings screen both offer: the
// currencies and the reminder lead times, with their labels. A stored value
// outside a list selects nothing and is kept as it is.
class EditingChoices : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList currencyCodes READ currencyCodes CONSTANT)
    Q_PROPERTY(QList<int> leadDays READ leadDays CONSTANT)

public:
    using QObject::QObject;

    static QStringList currencyCodes();
    // 0 (off), 1, 3, 7 and 14 days before.
    static QList<int> leadDays();

    // The code's place in the list, or -1 when it is not offered.
    Q_INVOKABLE static int currencyIndex(const QString& code);
    // The lead time's place in the list, or -1 when it is not offered.
    Q_INVOKABLE static int leadDaysIndex(int days);
    // "Off", "1 day before", "3 days before", in the user's language.
    Q_INVOKABLE static QString leadTimeLabel(int days);
};

}  // namespace tabrino
