#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>

class QTcpSocket;

namespace tabrino {

// One GET of the catalog over HTTP/1.1 on a socket of its own (TLS for
// https, with the system's certificate checks), so the request carries
// exactly the headers written here: Host, a fixed User-Agent, Accept-Encoding
// identity, Connection close and the optional If-None-Match. Qt's HTTP stack
// would add the user's language (Accept-Language from the locale) and cannot
// be told not to.
//
// Follows up to five redirects to addresses `isAllowed` accepts. Ends with
// finished(), once, on a later turn of the event loop.
class CatalogDownload : public QObject {
    Q_OBJECT

public:
    // "Tabrino/<version>": the same for every user.
    static QByteArray userAgent();
    static constexpr int maximumRedirects = 5;
    static constexpr qsizetype maximumHeaderSize = 64 * 1024;

    struct Options {
        QByteArray entityTag;  // sent as If-None-Match when not empty
        qint64 maximumBodySize = 0;
        std::chrono::milliseconds inactivityTimeout{60000};  // with nothing received
        std::chrono::milliseconds deadline{300000};          // for the whole transfer
        QNetworkProxy proxy;
        std::function<bool(const QUrl&)> isAllowed;  // every address asked, redirects included
    };

    enum class Outcome {
        response,        // an HTTP response arrived whole
        tooLarge,        // an HTTP response whose body passed the cap: not kept
        transferFailed,  // no response: connection, TLS, time-out, protocol
    };

    CatalogDownload(QUrl url, Options options, QObject* parent = nullptr);
    ~CatalogDownload() override;

    void start();

    // Valid after finished().
    Outcome outcome() const { return m_outcome; }
    int status() const { return m_status; }
    // The value of the last header of that name (matched ignoring case);
    // null when there is none.
    QByteArray header(QByteArrayView name) const;
    QByteArray takeBody() { return std::exchange(m_body, {}); }

Q_SIGNALS:
    void finished();

private:
    enum class Stage { statusLine, headers, body, chunkSize, chunkData, chunkDataEnd, trailers, done };

    void connectTo(const QUrl& url);
    void sendRequest();
    void readAvailable();
    bool parse();
    bool parseStatusLine(const QByteArray& line);
    bool parseHeaderLine(const QByteArray& line);
    bool headersComplete();
    bool appendBody(qint64 count);
    void responseComplete();
    void finish(Outcome outcome);
    void fail() { finish(Outcome::transferFailed); }

    QUrl m_url;
    Options m_options;
    QPointer<QTcpSocket> m_socket;
    QTimer m_inactivity;
    QTimer m_deadline;
    int m_redirects = 0;
    bool m_finished = false;

    QByteArray m_buffer;  // received, not yet parsed
    Stage m_stage = Stage::statusLine;
    qsizetype m_headerBytes = 0;
    int m_status = 0;
    QList<std::pair<QByteArray, QByteArray>> m_headers;
    qint64 m_remaining = -1;  // of the body or the current chunk; -1: until the connection closes
    QByteArray m_body;
    Outcome m_outcome = Outcome::transferFailed;
};

}  // namespace tabrino
