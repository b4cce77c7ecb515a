// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/importing/ImportRowsModel.h"

namespace tabrino {

int ImportRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ImportRowsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows.at(index.row());
    switch (role) {
    case SectionRole: return row.section;
    case NameRole: return row.name;
    case DetailRole: return row.detail;
    case NoteRole: return row.note;
    case LineRole: return row.line;
    case SpokenRole: {
        QStringList texts{row.name, row.detail, row.note};
        texts.removeAll(QString());
        return texts.join(u", ");
    }
    default: return {};
    }
}

QHash<int, QByteArray> ImportRowsModel::roleNames() const
{
    return {{SectionRole, "section"}, {NameRole, "name"}, {DetailRole, "detail"},
            {NoteRole, "note"},       {LineRole, "line"}, {SpokenRole, "spoken"}};
}

void ImportRowsModel::setRows(const QList<Row>& rows)
{
    // The first fill is no change to animate, and ten thousand single
    // inserts would cost a view far more than one reset.
    if (m_rows.isEmpty()) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
        return;
    }
    updateRows(m_rows, rows, [](const Row& row) { return row.line; });
}

}  // namespace tabrino
