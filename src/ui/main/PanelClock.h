// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// "Now" for the texts that depend on the day (due texts, day labels and their
// colours). It moves when the panel opens (`refresh()`) and at each local
// midnight while the panel lives, so those texts never go stale on screen.
class PanelClock : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QDateTime now READ now NOTIFY nowChanged)

public:
    explicit PanelClock(QObject* parent = nullptr);

    QDateTime now() const { return m_now; }
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    void nowChanged();

private:
    void armMidnight();

    QDateTime m_now;
    QTimer m_midnight;
};

}  // namespace tabrino
