// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "network/PeriodicDownload.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

class QNetworkAccessManager;
class QSettings;

namespace tabrino {

class ExchangeRatesSource;

// Downloads the European Central Bank's daily reference rates at most once a
// day while totals are converted, keeps them as the cache file and has the
// source read it. The request carries nothing about the user (see
// AnonymousDownload). Every failure ends the refresh silently and leaves the
// cache and the rates in use as they were: a transfer that broke off, an
// answer other than 200, a body over the cap, a file the rates reader refuses,
// and rates older than those in use.
class RatesUpdater : public QObject {
    Q_OBJECT

public:
    static inline const QString lastRefreshKey = QStringLiteral("ratesLastRefresh");
    static constexpr std::chrono::seconds refreshInterval{86400};
    static constexpr std::chrono::milliseconds defaultTransferTimeout{30000};
    static constexpr std::chrono::milliseconds defaultTransferDeadline{60000};

    // The bank's address of the latest day's rates.
    static QUrl defaultRemoteUrl();

    // `settings` holds lastRefreshKey; `enabled` is asked at every refresh;
    // `source` is reloaded after a new cache file has been written to
    // `cachePath`; the transfer goes through `network`. All must outlive the
    // updater.
    RatesUpdater(QSettings& settings, std::function<bool()> enabled, ExchangeRatesSource& source, QString cachePath,
                 QUrl remoteUrl, QNetworkAccessManager& network, QObject* parent = nullptr);
    ~RatesUpdater() override;

    // Starts a download when enabled and the last HTTP response is a day old
    // or more. Returns at once; finished() follows on a later turn of the
    // event loop, whatever the outcome. A call while one runs is ignored.
    void refreshIfDue();

    // Test seam: plain HTTP to a loopback address.
    void setAllowInsecureLoopback(bool allow) { m_download.setAllowInsecureLoopback(allow); }

Q_SIGNALS:
    void finished();

private:
    // Keeps a downloaded body that reads as rates no older than those in use.
    void keep(const QByteArray& body);

    ExchangeRatesSource& m_source;
    QString m_cachePath;
    PeriodicDownload m_download;
};

}  // namespace tabrino
