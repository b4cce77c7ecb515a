// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace tabrino {

class AppSettings;
class SubscriptionStore;

// While the user keeps a calendar file, rewrites it from the store's active
// subscriptions at start, when the setting is turned on and after every
// change of the data, so a calendar program subscribed to the file follows
// along. A file whose events would not change is left as it is. Each write
// replaces the file whole or not at all; a failed one is logged, shown in
// `error` and tried again. Turning the setting off removes the file: left
// behind, it would go on showing renewals that nobody updates any more.
class CalendarFileKeeper : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString path READ path CONSTANT)
    // The path with the home folder written "~".
    Q_PROPERTY(QString displayedPath READ displayedPath CONSTANT)
    // Why the file could not be brought up to date; empty otherwise.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    // The store and settings must outlive the keeper.
    CalendarFileKeeper(SubscriptionStore& store, AppSettings& settings, const QString& path, QObject* parent = nullptr);

    // renewals.ics in the folder of the database at `databasePath`.
    static QString pathBeside(const QString& databasePath);

    QString path() const { return m_path; }
    QString displayedPath() const;
    QString error() const { return m_error; }

    // How long after a failed write the next try comes; 30 s unless set.
    void setRetryInterval(std::chrono::milliseconds interval) { m_retry.setInterval(interval); }

Q_SIGNALS:
    void errorChanged();

private:
    void settingChanged();
    void update();
    void setError(const QString& error);

    SubscriptionStore& m_store;
    AppSettings& m_settings;
    const QString m_path;
    QString m_error;
    // What was last written and the moment it was stamped with.
    QByteArray m_written;
    QDateTime m_stamp;
    // Changes of one event-loop turn make one write.
    QTimer m_pending;
    QTimer m_retry;
};

}  // namespace tabrino
