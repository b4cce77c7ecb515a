// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace tabrino {

// Opens web pages in the user's browser. Addresses come from downloaded
// catalog data and the user's own typing, so anything but an http or https
// address with a host is refused and nothing is opened.
class UrlOpener : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // True when the desktop took the address.
    static bool openUrl(const QUrl& url);
    // For QML: the text is parsed strictly, never guessed at.
    Q_INVOKABLE bool open(const QString& text) const;
};

}  // namespace tabrino
