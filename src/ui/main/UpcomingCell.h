// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QString>

namespace tabrino {

class Calendar;
struct UpcomingCharge;

// One charge of the coming week as its cell shows it.
struct UpcomingCell {
    Q_GADGET
    Q_DECLARE_TR_FUNCTIONS(UpcomingCell)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(QString amountLabel MEMBER amountLabel)
    Q_PROPERTY(QString dayLabel MEMBER dayLabel)
    Q_PROPERTY(QColor dayColor MEMBER dayColor)
    Q_PROPERTY(QString accessibilityText MEMBER accessibilityText)

public:
    QString name;
    // The user's share of the charge, in the subscription's own currency.
    QString amountLabel;
    QString dayLabel;
    QColor dayColor;
    QString accessibilityText;

    static UpcomingCell from(const UpcomingCharge& charge, const QDateTime& now, const Calendar& calendar);
    // "Today" for today or a passed day, "Tomorrow", else "In 5 days".
    static QString dayLabelFor(int days);
    // Red up to two days ahead, amber up to six, dim white beyond.
    static QColor dayColorFor(int days);
};

}  // namespace tabrino
