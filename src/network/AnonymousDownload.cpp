// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "network/AnonymousDownload.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

bool isHttps(const QUrl& url)
{
    return url.scheme().compare(u"https"_s, Qt::CaseInsensitive) == 0;
}

bool isLoopbackHost(const QString& host)
{
    if (host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// The errors that come with a whole HTTP response (4xx and 5xx statuses),
// as opposed to a transfer that broke off.
bool isStatusError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

}  // namespace

AnonymousDownload::AnonymousDownload(QNetworkAccessManager& network, QUrl url, Options options, QObject* parent)
    : QObject(parent)
    , m_network(network)
    , m_url(std::move(url))
    , m_options(std::move(options))
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { finish(Outcome::TransferFailed); });
}

bool AnonymousDownload::isAllowedAddress(const QUrl& url, bool allowInsecureLoopback)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (isHttps(url))
        return true;
    return allowInsecureLoopback && url.scheme().compare(u"http"_s, Qt::CaseInsensitive) == 0
        && isLoopbackHost(url.host());
}

QByteArray AnonymousDownload::userAgent()
{
    return QByteArrayLiteral("Tabrino/" TABRINO_VERSION);
}

AnonymousDownload::~AnonymousDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

void AnonymousDownload::start()
{
    // The inactivity time-out alone lets a server that sends a byte now and
    // then hold the transfer open for ever.
    m_deadline.start(m_options.deadline);
    request(m_url);
}

void AnonymousDownload::request(const QUrl& url)
{
    if (!isAllowedAddress(url, m_options.allowInsecureLoopback)) {
        finish(Outcome::TransferFailed);
        return;
    }
    m_url = url;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    request.setRawHeader("Accept-Language", acceptLanguage.toByteArray());
    request.setRawHeader("Accept-Encoding", "identity");
    if (!m_options.entityTag.isEmpty())
        request.setRawHeader("If-None-Match", m_options.entityTag);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Redirects are followed here, each checked like the first address.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(static_cast<int>(m_options.inactivityTimeout.count()));

    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &AnonymousDownload::checkDeclaredLength);
    connect(m_reply, &QNetworkReply::readyRead, this, &AnonymousDownload::readBody);
    connect(m_reply, &QNetworkReply::finished, this, &AnonymousDownload::replyFinished);
}

bool AnonymousDownload::followRedirect()
{
    const QVariant target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (!target.isValid())
        return false;
    const QUrl next = m_url.resolved(target.toUrl());
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_body.clear();
    // https never hands over to plain http.
    if (++m_redirects > maximumRedirects || (isHttps(m_url) && !isHttps(next)))
        finish(Outcome::TransferFailed);
    else
        request(next);
    return true;
}

void AnonymousDownload::checkDeclaredLength()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_options.maximumBodySize)
        finish(Outcome::TooLarge);
}

void AnonymousDownload::readBody()
{
    if (m_body.size() + m_reply->bytesAvailable() > m_options.maximumBodySize) {
        finish(Outcome::TooLarge);
        return;
    }
    m_body += m_reply->readAll();
}

void AnonymousDownload::replyFinished()
{
    if (m_finished)
        return;
    readBody();
    if (m_finished)
        return;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = m_reply->error();
    // An interim status as the last word is a broken exchange, not an answer.
    if (status.toInt() < 200 || (error != QNetworkReply::NoError && !isStatusError(error))) {
        finish(Outcome::TransferFailed);
        return;
    }
    if (followRedirect())
        return;
    m_status = status.toInt();
    for (const auto& [name, value] : m_reply->rawHeaderPairs())
        m_headers.insert(name.toLower(), value);
    finish(Outcome::Response);
}

void AnonymousDownload::finish(Outcome outcome)
{
    if (m_finished)
        return;
    m_finished = true;
    m_outcome = outcome;
    if (outcome != Outcome::Response)
        m_body.clear();
    m_deadline.stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    QMetaObject::invokeMethod(this, &AnonymousDownload::finished, Qt::QueuedConnection);
}

}  // namespace tabrino
