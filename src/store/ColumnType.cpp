// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ColumnType.h"

#include "foundation/Decimal.h"

#include <QDateTime>
#include <QUuid>

namespace tabrino {

QString sqlTypeName(ColumnType type)
{
    switch (type) {
    case ColumnType::Text:
    case ColumnType::Decimal:
    case ColumnType::Uuid: return QStringLiteral("TEXT");
    case ColumnType::Integer:
    case ColumnType::Boolean:
    case ColumnType::Instant: return QStringLiteral("INTEGER");
    case ColumnType::Real: return QStringLiteral("REAL");
    }
    return QStringLiteral("BLOB");
}

QString keyText(const QVariant& value, ColumnType type)
{
    switch (type) {
    case ColumnType::Uuid: return value.toUuid().toString(QUuid::WithoutBraces).toUpper();
    case ColumnType::Instant: return QString::number(value.toDateTime().toMSecsSinceEpoch());
    case ColumnType::Decimal: return value.value<Decimal>().toString();
    default: return value.toString();
    }
}

}  // namespace tabrino
