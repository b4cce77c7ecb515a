// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/KeyedListModel.h"

#include <QByteArrayList>
#include <QList>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The rows of one insights block (cards, slices, bars, lifetime entries),
// each a key and one value per role. Values that differ in a kept row are a
// data change, so its delegate updates in place.
class InsightsRowsModel : public tabrino::KeyedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Each insights presenter owns its rows.")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    struct Row {
        QString key;
        QVariantList values;  // one per role, in the order of the role names
        friend bool operator==(const Row&, const Row&) = default;
    };

    explicit InsightsRowsModel(const QByteArrayList& roleNames, QObject* parent = nullptr);

    int count() const { return static_cast<int>(m_rows.size()); }
    const QList<Row>& rows() const { return m_rows; }
    void setRows(const QList<Row>& rows);

    // One row's values by role name, "key" included.
    Q_INVOKABLE QVariantMap get(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void countChanged();

private:
    void updateValues(const QList<Row>& target);

    QByteArrayList m_roleNames;
    QList<Row> m_rows;
};

}  // namespace tabrino
