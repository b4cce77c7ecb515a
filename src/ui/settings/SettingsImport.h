// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ExportFileChoice.h"

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// Choosing the file to import from the settings screen: what the open
// dialog proposes, and the file its answer names. While the dialog is up
// the panel stays open, as for an export.
class SettingsImport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList nameFilters READ nameFilters CONSTANT)
    Q_PROPERTY(QUrl folder READ folder CONSTANT)

public:
    using QObject::QObject;

    static QStringList nameFilters();
    static QUrl folder();

    // `window` is the one the dialog belongs to; it is kept open until
    // `finish` or `cancel`.
    Q_INVOKABLE void begin(QWindow* window = nullptr);
    // The chosen file as a file: address; empty when the answer names no
    // local file.
    Q_INVOKABLE QUrl finish(const QUrl& chosen);
    Q_INVOKABLE void cancel();

private:
    ExportFileChoice::WindowHold m_hold;
};

}  // namespace tabrino
