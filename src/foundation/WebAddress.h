// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace tabrino {

// Addresses come from downloaded catalog data and the user's typing, so they
// are data: only an http or https address with a host is a web page we open.
class WebAddress {
public:
    WebAddress() = delete;

    static bool isWebPage(const QUrl& url);
    // The text (surrounding white space ignored) parsed strictly, when it
    // names a web page.
    static std::optional<QUrl> parse(const QString& text);
};

}  // namespace tabrino
