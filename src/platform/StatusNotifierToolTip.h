// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StatusNotifierPixmap.h"

#include <QDBusArgument>
#include <QMetaType>
#include <QString>

namespace tabrino {

// A StatusNotifierItem's tooltip on D-Bus, (sa(iiay)ss): icon name, icon
// pixmaps, title and description (which hosts may read as markup).
struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierPixmaps iconPixmaps;
    QString title;
    QString description;

    friend bool operator==(const StatusNotifierToolTip&, const StatusNotifierToolTip&) = default;
};

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::StatusNotifierToolTip)
