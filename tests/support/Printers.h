// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"

#include <QDateTime>
#include <QString>

#include <ostream>

// Readable GoogleTest failure messages for the types the tests compare.
namespace tabrino {
inline void PrintTo(const Decimal& value, std::ostream* os)
{
    *os << value.toStdString();
}
}  // namespace tabrino

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& value, std::ostream* os)
{
    *os << '"' << value.toStdString() << '"';
}
inline void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toUTC().toString(Qt::ISODateWithMs).toStdString();
}
QT_END_NAMESPACE
