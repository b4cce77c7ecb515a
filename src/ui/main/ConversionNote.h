// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SubscriptionStore.h"
#include "store/TotalsConversion.h"
#include "ui/design/FigureWatch.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// How converted totals are marked: "≈" in front of each, and a note on the
// panel naming the day of the rates and the subscriptions left out because
// their currency has no rate. Nothing shows while totals add plain numbers.
class ConversionNote : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(bool shown READ shown NOTIFY textsChanged)
    Q_PROPERTY(QString ratesText READ ratesText NOTIFY textsChanged)
    Q_PROPERTY(QString leftOutText READ leftOutText NOTIFY textsChanged)

public:
    using QObject::QObject;

    SubscriptionStore* store() const { return m_watch.store(); }
    void setStore(SubscriptionStore* store);

    bool shown() const { return !m_ratesText.isEmpty(); }
    QString ratesText() const { return m_ratesText; }
    // Empty when every subscription converts.
    QString leftOutText() const { return m_leftOutText; }

    // "Converted at ECB rates of Dec 5", the day written in `localeId`'s
    // words (empty: the user's time locale), with its year when that is not
    // `currentYear`: the shipped set may be old.
    static QString ratesSentence(const QDate& day, int currentYear, const QString& localeId = QString());
    // "Not converted: 1 subscription in XYZ", "Not converted: 2
    // subscriptions in CHF, 1 in XYZ"; empty when nothing is left out.
    static QString leftOutSentence(const QList<TotalsConversion::LeftOut>& leftOut);

Q_SIGNALS:
    void storeChanged();
    void textsChanged();

private:
    void update();

    FigureWatch m_watch{this, [this] { update(); }};
    QString m_ratesText;
    QString m_leftOutText;
};

}  // namespace tabrino
