// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/CatalogUpdater.h"

#include "catalog/CachedServiceCatalog.h"
#include "catalog/CatalogDocument.h"
#include "catalog/CatalogDownload.h"
#include "catalog/ServiceCatalog.h"
#include "foundation/Clock.h"
#include "foundation/Logging.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

bool isLoopbackHost(const QString& host)
{
    if (host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

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
    , m_autoUpdateEnabled(std::move(autoUpdateEnabled))
    , m_catalog(catalog)
    , m_cachePath(std::move(cachePath))
    , m_remoteUrl(std::move(remoteUrl))
    , m_network(network)
{
}

CatalogUpdater::~CatalogUpdater() = default;

void CatalogUpdater::refreshIfDue(bool force)
{
    if (m_running)
        return;
    m_running = true;

    if (!(m_autoUpdateEnabled && m_autoUpdateEnabled()) || !isDue(force) || !isAllowedUrl(m_remoteUrl)) {
        finishLater();
        return;
    }

    CatalogDownload::Options options;
    options.entityTag = entityTagToSend();
    options.maximumBodySize = maximumBodySize;
    options.inactivityTimeout = m_transferTimeout;
    options.deadline = m_transferDeadline;
    options.isAllowed = [this](const QUrl& url) { return isAllowedUrl(url); };
    m_download = std::make_unique<CatalogDownload>(m_network, m_remoteUrl, std::move(options));
    connect(m_download.get(), &CatalogDownload::finished, this, &CatalogUpdater::handleDownload);
    m_download->start();
}

bool CatalogUpdater::isDue(bool force) const
{
    if (force)
        return true;
    // Only a stored date counts; anything else reads as the distant past.
    const QVariant stored = m_settings.value(lastRefreshKey);
    if (stored.metaType().id() != QMetaType::QDateTime)
        return true;
    const QDateTime last = stored.toDateTime();
    if (!last.isValid())
        return true;
    // A date in the future is less than the interval ago as well.
    return last.secsTo(Clock::now()) >= refreshIntervalSeconds;
}

bool CatalogUpdater::isAllowedUrl(const QUrl& url) const
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"https"_s)
        return true;
    return m_allowInsecureLoopback && scheme == u"http"_s && isLoopbackHost(url.host());
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

void CatalogUpdater::handleDownload()
{
    // finished() comes from the download's own event: it goes once that ends.
    CatalogDownload* download = m_download.release();
    download->deleteLater();
    if (download->outcome() == CatalogDownload::Outcome::TransferFailed) {
        qCWarning(lcCatalog).noquote() << "The catalog download from" << m_remoteUrl.toDisplayString()
                                       << "failed; the catalog in use is kept.";
        finishLater();
        return;
    }
    // Any HTTP response counts for the interval, an oversized one too (so
    // the next starts do not fetch it again), but only a whole 200 is read.
    m_settings.setValue(lastRefreshKey, Clock::now());
    m_settings.sync();
    if (download->outcome() != CatalogDownload::Outcome::Response || download->status() != 200) {
        if (download->outcome() != CatalogDownload::Outcome::Response)
            qCWarning(lcCatalog) << "The downloaded catalog was refused: it is larger than" << maximumBodySize
                                 << "bytes.";
        else if (download->status() != 304)
            qCWarning(lcCatalog) << "The catalog server answered with HTTP status" << download->status();
        finishLater();
        return;
    }

    const QByteArray body = download->takeBody();
    const CatalogLoadResult decoded = CatalogDocument::decode(body);
    if (!decoded.succeeded() || decoded.services.size() < CachedServiceCatalog::minimumServiceCount) {
        qCWarning(lcCatalog).noquote() << "The downloaded catalog was refused:"
                                       << (decoded.succeeded() ? u"it lists too few services."_s : *decoded.error);
        finishLater();
        return;
    }

    if (!QDir().mkpath(QFileInfo(m_cachePath).absolutePath())) {
        qCWarning(lcCatalog).noquote() << "Couldn't make the folder of" << m_cachePath;
        finishLater();
        return;
    }
    QSaveFile file(m_cachePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit()) {
        qCWarning(lcCatalog).noquote() << "Couldn't write the downloaded catalog to" << m_cachePath << ":"
                                       << file.errorString();
        finishLater();
        return;
    }

    const QByteArray tag = download->header("ETag");
    if (!tag.isNull()) {
        m_settings.setValue(entityTagKey, QString::fromLatin1(tag));
        m_settings.sync();
    }
    m_catalog.load();
    finishLater();
}

void CatalogUpdater::finishLater()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_running = false;
            Q_EMIT finished();
        },
        Qt::QueuedConnection);
}

}  // namespace tabrino
