// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogDocument.h"
#include "network/PeriodicDownload.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QSettings;

namespace tabrino {

class ServiceCatalog;

// Downloads a newer catalog document at most every three days, keeps it as
// the cache file and reloads the catalog from it. Every failure ends the
// refresh silently and leaves the cache and the catalog as they were. The
// request carries nothing about the user but the conditional-request header
// (see AnonymousDownload).
class CatalogUpdater : public QObject {
    Q_OBJECT

public:
    static inline const QString lastRefreshKey = QStringLiteral("catalogLastRefresh");
    static inline const QString entityTagKey = QStringLiteral("catalogETag");
    static constexpr qint64 refreshIntervalSeconds = 259200;
    // With nothing received.
    static constexpr std::chrono::milliseconds defaultTransferTimeout{60000};
    // For the whole transfer, however steadily the bytes come.
    static constexpr std::chrono::milliseconds defaultTransferDeadline{300000};
    // A larger body is not read past this.
    static constexpr qint64 maximumBodySize = CatalogDocument::maximumSize;

    // The address the program was built with.
    static QUrl defaultRemoteUrl();

    // `settings` holds lastRefreshKey and entityTagKey; `autoUpdateEnabled`
    // is asked at every refresh; `catalog` is reloaded after a new cache file
    // has been written to `cachePath`; the transfer goes through `network`,
    // which must outlive the updater.
    CatalogUpdater(QSettings& settings, std::function<bool()> autoUpdateEnabled, ServiceCatalog& catalog,
                   QString cachePath, QUrl remoteUrl, QNetworkAccessManager& network, QObject* parent = nullptr);
    ~CatalogUpdater() override;

    // Starts a refresh when auto-update is on and the last HTTP response is
    // three days old or more (`force` skips the age test). Returns at once;
    // finished() follows on a later turn of the event loop, whatever the
    // outcome. A call while a refresh is running is ignored.
    void refreshIfDue(bool force);

    bool isRunning() const { return m_download.isRunning(); }

    // Test seams: shorter time limits, and plain HTTP to a loopback address
    // (the program itself fetches only HTTPS).
    void setTransferTimeout(std::chrono::milliseconds timeout) { m_download.setTransferTimeout(timeout); }
    void setTransferDeadline(std::chrono::milliseconds deadline) { m_download.setTransferDeadline(deadline); }
    void setAllowInsecureLoopback(bool allow) { m_download.setAllowInsecureLoopback(allow); }

Q_SIGNALS:
    void finished();

private:
    QByteArray entityTagToSend() const;
    // Keeps a downloaded body that decodes as a full catalog.
    void keep(const QByteArray& body, const QByteArray& entityTag);

    QSettings& m_settings;
    ServiceCatalog& m_catalog;
    QString m_cachePath;
    PeriodicDownload m_download;
};

}  // namespace tabrino
