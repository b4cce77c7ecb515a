// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UrlOpener.h"

#include "foundation/WebAddress.h"

#include <QDesktopServices>

namespace tabrino {

bool UrlOpener::openUrl(const QUrl& url)
{
    return WebAddress::isWebPage(url) && QDesktopServices::openUrl(url);
}

bool UrlOpener::open(const QString& text) const
{
    const std::optional<QUrl> url = WebAddress::parse(text);
    return url && QDesktopServices::openUrl(*url);
}

}  // namespace tabrino
