#include "catalog/CatalogUpdater.h"

#include "catalog/CachedServiceCatalog.h"
#include "catalog/CatalogDocument.h"
#include "catalog/ServiceCatalog.h"
#include "foundation/Clock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// Failures of the transfer itself (connection, time-out, TLS, proxy), as
// opposed to an HTTP response with an error status.
bool isTransferFailure(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

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

CatalogUpdater::~CatalogUpdater()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void CatalogUpdater::refreshIfDue(bool force)
{
    if (m_running)
        return;
    m_running = true;
    m_bodyTooLarge = false;

    if (!(m_autoUpdateEnabled && m_autoUpdateEnabled()) || !isDue(force) || !isAllowedUrl()) {
        finishLater();
        return;
    }

    QNetworkRequest request(m_remoteUrl);
    request.setTransferTimeout(int(m_transferTimeout.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const QString tag = m_settings.value(entityTagKey).toString();
    if (isSendableTag(tag))
        request.setRawHeader("If-None-Match", tag.toLatin1());

    m_body.clear();
    m_reply = m_network.get(request);
    // The body is drained into m_body as it arrives; the small buffer keeps
    // Qt from reading far past the cap before it is noticed.
    m_reply->setReadBufferSize(readChunkSize);
    watchBodySize(m_reply);
    connect(m_reply, &QNetworkReply::finished, this, &CatalogUpdater::handleReply);
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

bool CatalogUpdater::isAllowedUrl() const
{
    if (!m_remoteUrl.isValid())
        return false;
    const QString scheme = m_remoteUrl.scheme().toLower();
    if (scheme == u"https"_s)
        return true;
    return m_allowInsecureLoopback && scheme == u"http"_s && isLoopbackHost(m_remoteUrl.host());
}

void CatalogUpdater::watchBodySize(QNetworkReply* reply)
{
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant declared = reply->header(QNetworkRequest::ContentLengthHeader);
        if (declared.isValid())
            abortIfTooLarge(reply, declared.toLongLong());
    });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64, qint64 total) { abortIfTooLarge(reply, total); });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        if (reply != m_reply || m_bodyTooLarge)
            return;
        m_body += reply->read(maximumBodySize + 1 - m_body.size());
        abortIfTooLarge(reply, m_body.size() + reply->bytesAvailable());
    });
}

void CatalogUpdater::abortIfTooLarge(QNetworkReply* reply, qint64 size)
{
    if (size <= maximumBodySize || m_bodyTooLarge || reply != m_reply)
        return;
    m_bodyTooLarge = true;
    reply->abort();
}

void CatalogUpdater::handleReply()
{
    QNetworkReply* reply = m_reply;
    m_reply.clear();
    reply->deleteLater();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // An oversized body still came with an HTTP response: it counts for the
    // interval, so the next starts do not fetch it again, but it is never
    // written.
    if (m_bodyTooLarge) {
        m_body.clear();
        if (status.isValid())
            m_settings.setValue(lastRefreshKey, Clock::now());
        m_settings.sync();
        finishLater();
        return;
    }
    if (isTransferFailure(reply->error()) || !status.isValid()) {
        m_body.clear();
        finishLater();
        return;
    }

    m_settings.setValue(lastRefreshKey, Clock::now());
    m_settings.sync();
    if (status.toInt() != 200) {
        m_body.clear();
        finishLater();
        return;
    }

    const QByteArray body = std::exchange(m_body, {}) + reply->readAll();
    if (body.size() > maximumBodySize) {
        finishLater();
        return;
    }
    const CatalogLoadResult decoded = CatalogDocument::decode(body);
    if (!decoded.succeeded() || decoded.services.size() < CachedServiceCatalog::minimumServiceCount) {
        finishLater();
        return;
    }

    if (!QDir().mkpath(QFileInfo(m_cachePath).absolutePath())) {
        finishLater();
        return;
    }
    QSaveFile file(m_cachePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit()) {
        finishLater();
        return;
    }

    if (reply->hasRawHeader("ETag")) {
        m_settings.setValue(entityTagKey, QString::fromLatin1(reply->rawHeader("ETag")));
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
