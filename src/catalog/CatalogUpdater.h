#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QSettings;

namespace tabrino {

class ServiceCatalog;

// Downloads a newer catalog document at most every three days, keeps it as
// the cache file and reloads the catalog from it. Every failure ends the
// refresh silently and leaves the cache and the catalog as they were.
class CatalogUpdater : public QObject {
    Q_OBJECT

public:
    static inline const QString lastRefreshKey = QStringLiteral("catalogLastRefresh");
    static inline const QString entityTagKey = QStringLiteral("catalogETag");
    static constexpr qint64 refreshIntervalSeconds = 259200;
    static constexpr std::chrono::milliseconds defaultTransferTimeout{60000};
    // Far above any real catalog; a larger body is not read past this.
    static constexpr qint64 maximumBodySize = 8 * 1024 * 1024;
    static constexpr qint64 readChunkSize = 256 * 1024;

    // The address the program was built with.
    static QUrl defaultRemoteUrl();

    // `settings` holds lastRefreshKey and entityTagKey; `autoUpdateEnabled`
    // is asked at every refresh; `catalog` is reloaded after a new cache file
    // has been written to `cachePath`.
    CatalogUpdater(QSettings& settings, std::function<bool()> autoUpdateEnabled, ServiceCatalog& catalog,
                   QString cachePath, QUrl remoteUrl, QNetworkAccessManager& network, QObject* parent = nullptr);
    ~CatalogUpdater() override;

    // Starts a refresh when auto-update is on and the last HTTP response is
    // three days old or more (`force` skips the age test). Returns at once;
    // finished() follows on a later turn of the event loop, whatever the
    // outcome. A call while a refresh is running is ignored.
    void refreshIfDue(bool force);

    bool isRunning() const { return m_running; }

    // Test seams: a shorter time-out, and plain HTTP to a loopback address
    // (the program itself fetches only HTTPS).
    void setTransferTimeout(std::chrono::milliseconds timeout) { m_transferTimeout = timeout; }
    void setAllowInsecureLoopback(bool allow) { m_allowInsecureLoopback = allow; }

Q_SIGNALS:
    void finished();

private:
    bool isDue(bool force) const;
    bool isAllowedUrl() const;
    void watchBodySize(QNetworkReply* reply);
    void abortIfTooLarge(QNetworkReply* reply, qint64 size);
    void handleReply();
    void finishLater();

    QSettings& m_settings;
    std::function<bool()> m_autoUpdateEnabled;
    ServiceCatalog& m_catalog;
    QString m_cachePath;
    QUrl m_remoteUrl;
    QNetworkAccessManager& m_network;
    std::chrono::milliseconds m_transferTimeout = defaultTransferTimeout;
    bool m_allowInsecureLoopback = false;

    bool m_running = false;
    bool m_bodyTooLarge = false;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
};

}  // namespace tabrino
