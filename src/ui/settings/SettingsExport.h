// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ExportFileChoice.h"
#include "store/SubscriptionStore.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

// One export from the settings screen. `begin` takes the file's content as
// the data stands at the button press (active subscriptions first, then
// archived ones; the calendar has the active ones' renewals) and says what
// the save dialog proposes; `finish` writes it
// to the confirmed file in one step, so a failed write leaves no partial
// file and whatever was there before; `cancel` drops it. While the dialog
// is up the panel stays open.
class SettingsExport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(bool pending READ isPending NOTIFY pendingChanged)
    // What the dialog proposes for the pending export.
    Q_PROPERTY(QStringList nameFilters READ nameFilters NOTIFY pendingChanged)
    Q_PROPERTY(QString defaultSuffix READ defaultSuffix NOTIFY pendingChanged)
    Q_PROPERTY(QUrl folder READ folder NOTIFY pendingChanged)
    Q_PROPERTY(QUrl suggestedFile READ suggestedFile NOTIFY pendingChanged)
    // Shown until an export succeeds; empty otherwise.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    enum class Format { Csv, Json, Calendar };
    Q_ENUM(Format)

    using QObject::QObject;

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);

    bool isPending() const { return m_format.has_value(); }
    QStringList nameFilters() const;
    QString defaultSuffix() const;
    QUrl folder() const;
    QUrl suggestedFile() const;
    QString error() const { return m_error; }

    // `window` is the one the dialog belongs to; it is kept open until the
    // export ends.
    Q_INVOKABLE void begin(tabrino::SettingsExport::Format format, QWindow* window = nullptr);
    // False, with `error` set, when the file could not be written.
    Q_INVOKABLE bool finish(const QUrl& chosen);
    Q_INVOKABLE void cancel();

Q_SIGNALS:
    void storeChanged();
    void pendingChanged();
    void errorChanged();

private:
    ExportFileChoice::Format dialogFormat() const;
    void end();
    void setError(const QString& error);

    QPointer<SubscriptionStore> m_store;
    std::optional<Format> m_format;
    QByteArray m_bytes;
    QString m_error;
    ExportFileChoice::WindowHold m_hold;
};

}  // namespace tabrino
