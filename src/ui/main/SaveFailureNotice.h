// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "export/CalendarFileKeeper.h"
#include "store/SubscriptionStore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The panel's notice that changes could not be saved: shown from a failed
// save until one succeeds, so a full disk or a failing drive is never
// silent while the program keeps the changes. The kept calendar file's
// failures show here too, after the database's.
class SaveFailureNotice : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(
        tabrino::CalendarFileKeeper* calendarFile READ calendarFile WRITE setCalendarFile NOTIFY calendarFileChanged)
    Q_PROPERTY(bool shown READ isShown NOTIFY changed)
    Q_PROPERTY(QString text READ text NOTIFY changed)

public:
    using QObject::QObject;

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    CalendarFileKeeper* calendarFile() const { return m_calendarFile; }
    void setCalendarFile(CalendarFileKeeper* calendarFile);

    bool isShown() const { return !storeFailure().isEmpty() || !calendarFileFailure().isEmpty(); }
    QString text() const;

Q_SIGNALS:
    void storeChanged();
    void calendarFileChanged();
    void changed();

private:
    QString storeFailure() const { return m_store ? m_store->saveFailure() : QString(); }
    QString calendarFileFailure() const { return m_calendarFile ? m_calendarFile->error() : QString(); }

    QPointer<SubscriptionStore> m_store;
    QPointer<CalendarFileKeeper> m_calendarFile;
};

}  // namespace tabrino
