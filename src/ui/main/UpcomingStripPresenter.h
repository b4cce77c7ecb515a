// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SubscriptionStore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The "Up Next" strip: the first four charges of the coming seven days as
// `UpcomingCell`s, and the strip's spoken label.
class UpcomingStripPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY inputsChanged)
    Q_PROPERTY(QDateTime now READ now WRITE setNow NOTIFY inputsChanged)
    Q_PROPERTY(QVariantList cells READ cells NOTIFY cellsChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY cellsChanged)
    Q_PROPERTY(QString emptyText READ emptyText CONSTANT)
    Q_PROPERTY(QString accessibilityText READ accessibilityText NOTIFY cellsChanged)

public:
    static constexpr int kMaxCells = 4;

    using QObject::QObject;

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    QDateTime now() const { return m_now; }
    void setNow(const QDateTime& now);

    QVariantList cells() const { return m_cells; }
    bool isEmpty() const { return m_cells.isEmpty(); }
    // What the strip says without charges; also its spoken name then.
    static QString emptyText();
    QString accessibilityText() const;

Q_SIGNALS:
    void inputsChanged();
    void cellsChanged();

private:
    void update();

    QPointer<SubscriptionStore> m_store;
    QDateTime m_now;
    QVariantList m_cells;
};

}  // namespace tabrino
