// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "network/PeriodicDownload.h"

#include "network/AnonymousDownload.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>

namespace tabrino {

PeriodicDownload::PeriodicDownload(QSettings& settings, QUrl url, Options options, QNetworkAccessManager& network,
                                   LogCategory log, QObject* parent)
    : QObject(parent)
    , m_schedule(settings, options.lastRefreshKey, options.interval)
    , m_url(std::move(url))
    , m_options(std::move(options))
    , m_network(network)
    , m_log(log)
{
}

PeriodicDownload::~PeriodicDownload() = default;

void PeriodicDownload::start(bool force)
{
    if (m_running)
        return;
    m_running = true;
    if (!(m_options.enabled && m_options.enabled()) || !(force || m_schedule.isDue())) {
        finishLater();
        return;
    }
    AnonymousDownload::Options options;
    if (m_options.entityTag)
        options.entityTag = m_options.entityTag();
    options.maximumBodySize = m_options.maximumBodySize;
    options.inactivityTimeout = m_options.transferTimeout;
    options.deadline = m_options.transferDeadline;
    options.allowInsecureLoopback = m_allowInsecureLoopback;
    m_download = std::make_unique<AnonymousDownload>(m_network, m_url, std::move(options));
    connect(m_download.get(), &AnonymousDownload::finished, this, &PeriodicDownload::handleDownload);
    m_download->start();
}

void PeriodicDownload::handleDownload()
{
    // finished() comes from the download's own event: it goes once that ends.
    AnonymousDownload* download = m_download.release();
    download->deleteLater();
    if (download->outcome() == AnonymousDownload::Outcome::TransferFailed) {
        qCWarning(m_log).noquote() << "The" << m_options.what << "download from" << m_url.toDisplayString()
                                   << "failed; what is in use is kept.";
        finishLater();
        return;
    }
    // Any HTTP answer counts for the interval, an oversized one too (so the
    // next starts do not fetch it again), but only a whole 200 is read.
    m_schedule.recordResponse();
    if (download->outcome() == AnonymousDownload::Outcome::TooLarge) {
        qCWarning(m_log).noquote() << "Refused the downloaded" << m_options.what << "for being larger than"
                                   << m_options.maximumBodySize << "bytes.";
    } else if (download->status() == 200) {
        Q_EMIT received(download->takeBody(), download->header("ETag"));
    } else if (download->status() != 304) {
        qCWarning(m_log).noquote() << "The" << m_options.what << "server answered with HTTP status"
                                   << download->status();
    }
    finishLater();
}

void PeriodicDownload::finishLater()
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
