// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/KeyedListModel.h"

#include <QList>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The preview's rows, grouped: what will be added, what is tracked already,
// and what cannot be read, each in the file's order. Keyed by the row's
// line, so an answer that moves rows between groups moves them.
class ImportRowsModel : public KeyedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The import preview fills its rows.")

public:
    // SpokenRole: the row as a screen reader says it, its texts in order.
    enum Role { SectionRole = Qt::UserRole + 1, NameRole, DetailRole, NoteRole, LineRole, SpokenRole };

    struct Row {
        int line = 0;
        QString section;  // "new", "tracked" or "unreadable"
        QString name;
        QString detail;  // "$15.99 · Monthly · next Apr 3, 2025", or the reason it cannot be read
        QString note;    // how values were read: "cycle “Every 2 Months” taken as Every 61 days"

        friend bool operator==(const Row&, const Row&) = default;
    };

    using KeyedListModel::KeyedListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<Row>& rows() const { return m_rows; }
    void setRows(const QList<Row>& rows);

private:
    QList<Row> m_rows;
};

}  // namespace tabrino
