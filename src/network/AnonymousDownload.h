// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

namespace tabrino {

// One GET of a public file (the catalog, the exchange rates) through the
// program's network access manager (so the desktop's proxy settings apply),
// carrying nothing about the user: a fixed User-Agent and Accept-Language,
// no compression, no cookies, no cache, and the optional If-None-Match.
//
// Asks only HTTPS addresses, redirects included, and follows up to five
// redirects. Ends with finished(), once, on a later turn of the event loop.
class AnonymousDownload : public QObject {
    Q_OBJECT

public:
    // "Tabrino/<version>": the same for every user.
    static QByteArray userAgent();
    // Sent instead of the user's language, which the network stack would add.
    static constexpr QByteArrayView acceptLanguage = "en";
    static constexpr int maximumRedirects = 5;

    // Whether an address may be asked: HTTPS, or with `allowInsecureLoopback`
    // plain HTTP to this machine.
    static bool isAllowedAddress(const QUrl& url, bool allowInsecureLoopback);

    struct Options {
        QByteArray entityTag;  // sent as If-None-Match when not empty
        qint64 maximumBodySize = 0;
        std::chrono::milliseconds inactivityTimeout{60000};  // with nothing received
        std::chrono::milliseconds deadline{300000};          // for the whole transfer
        // Also plain HTTP to a loopback address: only tests serve files so.
        bool allowInsecureLoopback = false;
    };

    enum class Outcome {
        Response,        // an HTTP response arrived whole
        TooLarge,        // an HTTP response whose body passed the cap: not kept
        TransferFailed,  // no response: connection, TLS, time-out, protocol
    };

    // `network` must outlive the download.
    AnonymousDownload(QNetworkAccessManager& network, QUrl url, Options options, QObject* parent = nullptr);
    ~AnonymousDownload() override;

    void start();

    // Valid after finished().
    Outcome outcome() const { return m_outcome; }
    int status() const { return m_status; }
    // The header's value (matched ignoring case); null when there is none.
    QByteArray header(const QByteArray& name) const { return m_headers.value(name.toLower()); }
    QByteArray takeBody() { return std::exchange(m_body, {}); }

Q_SIGNALS:
    void finished();

private:
    void request(const QUrl& url);
    // Asks the address a redirect names, if the reply is one; false if not.
    bool followRedirect();
    void checkDeclaredLength();
    void readBody();
    void replyFinished();
    void finish(Outcome outcome);

    QNetworkAccessManager& m_network;
    QUrl m_url;
    Options m_options;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    int m_redirects = 0;
    bool m_finished = false;

    int m_status = 0;
    QHash<QByteArray, QByteArray> m_headers;  // names in lower case
    QByteArray m_body;
    Outcome m_outcome = Outcome::TransferFailed;
};

}  // namespace tabrino
