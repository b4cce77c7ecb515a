// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SubscriptionStore.h"
#include "ui/design/FigureWatch.h"
#include "ui/insights/InsightsRowsModel.h"

#include <QDateTime>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// What the blocks of the insights tab share: the store they read, "now" (so
// that figures which depend on the day follow midnight) and the default
// currency. A block re-reads its figures whenever one of them changes, and
// hands its list to QML as keyed rows of its own row type that update in
// place.
class InsightsPresenter : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(QDateTime now READ now WRITE setNow NOTIFY nowChanged)
    Q_PROPERTY(tabrino::InsightsRowsModel* rows READ rowsModel CONSTANT)

public:
    SubscriptionStore* store() const { return m_watch.store(); }
    void setStore(SubscriptionStore* store);
    QDateTime now() const { return m_now; }
    void setNow(const QDateTime& now);
    // The block's rows as QML sees them; each block also offers them typed.
    virtual InsightsRowsModel* rowsModel() const = 0;

    enum class MonthStyle {
        Short,   // "Jan 26"
        Medium,  // "Mar 2026"
        Full,    // "March 2026"
    };
    // A month as a block writes it, in the calendar's zone, with names from
    // `localeId` (empty: the user's time locale).
    static QString month(const QDateTime& date, MonthStyle style, const Calendar& calendar,
                         const QString& localeId = QString());

Q_SIGNALS:
    void storeChanged();
    void nowChanged();
    // A text of the block other than its rows changed.
    void textsChanged();

protected:
    explicit InsightsPresenter(QObject* parent);

    // Re-reads the store (never null here) into rows and texts.
    virtual void update(const SubscriptionStore& store) = 0;
    // Empties the block when there is no store.
    virtual void clear() { rowsModel()->clear(); }
    QString currencyCode() const;

private:
    void refresh();

    FigureWatch m_watch{this, [this] { refresh(); }};
    QDateTime m_now;
};

}  // namespace tabrino
