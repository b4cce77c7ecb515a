// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>

namespace tabrino {

// How an attribute is kept in its column. Chosen so every value survives a
// round trip unchanged: money as decimal text, instants as UTC milliseconds.
enum class ColumnType { Text, Integer, Real, Boolean, Decimal, Instant, Uuid };

QString sqlTypeName(ColumnType type);

// Text that identifies a key value of this type (used to match records).
QString keyText(const QVariant& value, ColumnType type);

}  // namespace tabrino
