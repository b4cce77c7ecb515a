#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace tabrino {

bool UrlOpener::isOpenable(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool UrlOpener::openUrl(const QUrl& url)
{
    return isOpenable(url) && QDesktopServices::openUrl(url);
}

bool UrlOpener::open(const QString& text) const
{
    return openUrl(QUrl(text.trimmed(), QUrl::StrictMode));
}

}  // namespace tabrino
