// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QImage>
#include <QList>
#include <QMetaType>

namespace tabrino {

// One icon size as a StatusNotifierItem carries it on D-Bus, (iiay): width,
// height and the pixels as ARGB32 in network byte order, row by row.
struct StatusNotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;

    static StatusNotifierPixmap fromImage(const QImage& image);
    QImage toImage() const;

    friend bool operator==(const StatusNotifierPixmap&, const StatusNotifierPixmap&) = default;
};

using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::StatusNotifierPixmap)
Q_DECLARE_METATYPE(tabrino::StatusNotifierPixmaps)
