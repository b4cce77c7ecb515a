// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "network/RefreshSchedule.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

class QLoggingCategory;
class QNetworkAccessManager;
class QSettings;

namespace tabrino {

class AnonymousDownload;

// A public file fetched again once an interval has passed since the last
// answer: the part the catalog and the rates updaters share. It asks only
// while its owner allows, records every HTTP answer (a refused one too) as
// the time of the last refresh, and hands on only a whole 200 body, through
// received(); what is wrong with the rest goes to the owner's log. Nothing
// about the user is sent (see AnonymousDownload).
class PeriodicDownload : public QObject {
    Q_OBJECT

public:
    using LogCategory = const QLoggingCategory& (*)();

    struct Options {
        QString what;  // "catalog", "rates": names the file in the log
        QString lastRefreshKey;
        std::chrono::seconds interval{0};
        qint64 maximumBodySize = 0;
        std::chrono::milliseconds transferTimeout{60000};    // with nothing received
        std::chrono::milliseconds transferDeadline{300000};  // for the whole transfer
        std::function<bool()> enabled;
        // Sent as If-None-Match; asked only when a download starts.
        std::function<QByteArray()> entityTag;
    };

    // `settings` holds the time of the last answer; the transfer goes
    // through `network`. Both must outlive the download.
    PeriodicDownload(QSettings& settings, QUrl url, Options options, QNetworkAccessManager& network, LogCategory log,
                     QObject* parent = nullptr);
    ~PeriodicDownload() override;

    // Starts a download when enabled and due (`force` skips the interval).
    // Returns at once; finished() follows on a later turn of the event loop,
    // whatever the outcome. A call while one runs is ignored.
    void start(bool force);
    bool isRunning() const { return m_running; }

    // Test seams: shorter time limits, and plain HTTP to a loopback address.
    void setTransferTimeout(std::chrono::milliseconds timeout) { m_options.transferTimeout = timeout; }
    void setTransferDeadline(std::chrono::milliseconds deadline) { m_options.transferDeadline = deadline; }
    void setAllowInsecureLoopback(bool allow) { m_allowInsecureLoopback = allow; }

Q_SIGNALS:
    // A whole 200 answer, before finished(); `entityTag` is its ETag header,
    // null when it has none.
    void received(const QByteArray& body, const QByteArray& entityTag);
    void finished();

private:
    void handleDownload();
    void finishLater();

    RefreshSchedule m_schedule;
    QUrl m_url;
    Options m_options;
    QNetworkAccessManager& m_network;
    LogCategory m_log;
    bool m_allowInsecureLoopback = false;

    bool m_running = false;
    std::unique_ptr<AnonymousDownload> m_download;
};

}  // namespace tabrino
