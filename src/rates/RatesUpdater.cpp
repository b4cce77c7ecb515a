// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/RatesUpdater.h"

#include "foundation/Logging.h"
#include "network/CacheFile.h"
#include "rates/ExchangeRates.h"
#include "rates/ExchangeRatesSource.h"

#include <QNetworkAccessManager>

using namespace Qt::StringLiterals;

namespace tabrino {

QUrl RatesUpdater::defaultRemoteUrl()
{
    return QUrl(u"https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"_s);
}

RatesUpdater::RatesUpdater(QSettings& settings, std::function<bool()> enabled, ExchangeRatesSource& source,
                           QString cachePath, QUrl remoteUrl, QNetworkAccessManager& network, QObject* parent)
    : QObject(parent)
    , m_source(source)
    , m_cachePath(std::move(cachePath))
    , m_download(settings, std::move(remoteUrl),
                 {.what = u"rates"_s,
                  .lastRefreshKey = lastRefreshKey,
                  .interval = refreshInterval,
                  .maximumBodySize = ExchangeRates::maximumSize,
                  .transferTimeout = defaultTransferTimeout,
                  .transferDeadline = defaultTransferDeadline,
                  .enabled = std::move(enabled),
                  .entityTag = {}},
                 network, lcRates)
{
    connect(&m_download, &PeriodicDownload::received, this, &RatesUpdater::keep);
    connect(&m_download, &PeriodicDownload::finished, this, &RatesUpdater::finished);
}

RatesUpdater::~RatesUpdater() = default;

void RatesUpdater::refreshIfDue()
{
    m_download.start(false);
}

void RatesUpdater::keep(const QByteArray& body)
{
    QString error;
    const std::optional<ExchangeRates> rates = ExchangeRates::fromXml(body, &error);
    if (!rates) {
        qCWarning(lcRates).noquote() << error;
        return;
    }
    if (rates->date() < m_source.rates().date()) {
        qCWarning(lcRates).noquote() << "The downloaded rates of" << rates->date().toString(Qt::ISODate)
                                     << "are older than those in use; they are not kept.";
        return;
    }
    if (!CacheFile::replace(m_cachePath, body, &error)) {
        qCWarning(lcRates).noquote() << error;
        return;
    }
    m_source.reload();
}

}  // namespace tabrino
