// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/WebAddress.h"

namespace tabrino {

bool WebAddress::isWebPage(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

std::optional<QUrl> WebAddress::parse(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    return isWebPage(url) ? std::optional(url) : std::nullopt;
}

}  // namespace tabrino
