// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/CatalogUpdater.h"

#include "catalog/CachedServiceCatalog.h"
#include "catalog/CatalogDocument.h"
#include "catalog/ServiceCatalog.h"
#include "foundation/Logging.h"
#include "network/CacheFile.h"

#include <QNetworkAccessManager>
#include <QSettings>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// A tag is sent back verbatim as a header value, so anything that could end
// the header line is refused.
bool isSendableTag(const QString& tag)
{
    if (tag.isEmpty())
        return false;
    return std::all_of(tag.cbegin(), tag.cend(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

}  // namespace

QUrl CatalogUpdater::defaultRemoteUrl()
{
    return QUrl(QStringLiteral(TABRINO_CATALOG_URL));
}

CatalogUpdater::CatalogUpdater(QSettings& settings, std::function<bool()> autoUpdateEnabled, ServiceCatalog& catalog,
                               QString cachePath, QUrl remoteUrl, QNetworkAccessManager& network, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_catalog(catalog)
    , m_cachePath(std::move(cachePath))
    , m_download(settings, std::move(remoteUrl),
                 {.what = u"catalog"_s,
                  .lastRefreshKey = lastRefreshKey,
                  .interval = std::chrono::seconds(refreshIntervalSeconds),
                  .maximumBodySize = maximumBodySize,
                  .transferTimeout = defaultTransferTimeout,
                  .transferDeadline = defaultTransferDeadline,
                  .enabled = std::move(autoUpdateEnabled),
                  .entityTag = [this] { return entityTagToSend(); }},
                 network, lcCatalog)
{
    connect(&m_download, &PeriodicDownload::received, this, &CatalogUpdater::keep);
    connect(&m_download, &PeriodicDownload::finished, this, &CatalogUpdater::finished);
}

CatalogUpdater::~CatalogUpdater() = default;

void CatalogUpdater::refreshIfDue(bool force)
{
    m_download.start(force);
}

QByteArray CatalogUpdater::entityTagToSend() const
{
    // The tag names the cache file's content: with the file gone or damaged,
    // a "not modified" answer would leave it unrepaired.
    const QString tag = m_settings.value(entityTagKey).toString();
    if (!isSendableTag(tag) || !CachedServiceCatalog::readCache(m_cachePath))
        return {};
    return tag.toLatin1();
}

void CatalogUpdater::keep(const QByteArray& body, const QByteArray& entityTag)
{
    const CatalogLoadResult decoded = CatalogDocument::decode(body);
    if (!decoded.succeeded() || decoded.services.size() < CachedServiceCatalog::minimumServiceCount) {
        qCWarning(lcCatalog).noquote() << "The downloaded catalog was refused:"
                                       << (decoded.succeeded() ? u"it lists too few services."_s : *decoded.error);
        return;
    }
    QString writeError;
    if (!CacheFile::replace(m_cachePath, body, &writeError)) {
        qCWarning(lcCatalog).noquote() << writeError;
        return;
    }
    if (!entityTag.isNull()) {
        m_settings.setValue(entityTagKey, QString::fromLatin1(entityTag));
        m_settings.sync();
    }
    m_catalog.load();
}

}  // namespace tabrino
