#include "catalog/CatalogDownload.h"

#include <QSslSocket>
#include <QTcpSocket>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// Takes one line, CRLF or bare LF, off the front of `buffer`.
std::optional<QByteArray> takeLine(QByteArray& buffer)
{
    const qsizetype end = buffer.indexOf('\n');
    if (end < 0)
        return std::nullopt;
    QByteArray line = buffer.left(end);
    buffer.remove(0, end + 1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

std::optional<qint64> decimalLength(QByteArrayView text)
{
    text = text.trimmed();
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.isEmpty() || text.size() > 18 || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    return text.toLongLong();
}

std::optional<qint64> chunkLength(QByteArrayView line)
{
    const qsizetype extension = line.indexOf(';');
    QByteArrayView digits = (extension < 0 ? line : line.first(extension)).trimmed();
    const auto isHex = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    if (digits.isEmpty() || digits.size() > 15 || !std::all_of(digits.begin(), digits.end(), isHex))
        return std::nullopt;
    bool ok = false;
    const qint64 length = digits.toLongLong(&ok, 16);
    return ok ? std::optional(length) : std::nullopt;
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

CatalogDownload::CatalogDownload(QUrl url, Options options, QObject* parent)
    : QObject(parent)
    , m_url(std::move(url))
    , m_options(std::move(options))
{
    m_inactivity.setSingleShot(true);
    m_deadline.setSingleShot(true);
    connect(&m_inactivity, &QTimer::timeout, this, &CatalogDownload::fail);
    connect(&m_deadline, &QTimer::timeout, this, &CatalogDownload::fail);
}

QByteArray CatalogDownload::userAgent()
{
    return QByteArrayLiteral("Tabrino/" TABRINO_VERSION);
}

CatalogDownload::~CatalogDownload()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        delete m_socket;
    }
}

void CatalogDownload::start()
{
    // The inactivity time-out alone lets a server that sends a byte now and
    // then hold the transfer open for ever.
    m_deadline.start(m_options.deadline);
    connectTo(m_url);
}

QByteArray CatalogDownload::header(QByteArrayView name) const
{
    for (auto it = m_headers.crbegin(); it != m_headers.crend(); ++it) {
        if (it->first.compare(name, Qt::CaseInsensitive) == 0)
            return it->second;
    }
    return {};
}

void CatalogDownload::connectTo(const QUrl& url)
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
    }
    m_url = url;
    m_buffer.clear();
    m_stage = Stage::statusLine;
    m_headerBytes = 0;
    m_status = 0;
    m_headers.clear();
    m_remaining = -1;
    m_body.clear();

    const bool secure = url.scheme().compare(u"https"_s, Qt::CaseInsensitive) == 0;
    if (!url.isValid() || url.host().isEmpty() || !m_options.isAllowed || !m_options.isAllowed(url)
        || (secure && !QSslSocket::supportsSsl())) {
        QMetaObject::invokeMethod(this, &CatalogDownload::fail, Qt::QueuedConnection);
        return;
    }

    m_socket = secure ? new QSslSocket(this) : new QTcpSocket(this);
    m_socket->setProxy(m_options.proxy);
    connect(m_socket, &QTcpSocket::readyRead, this, &CatalogDownload::readAvailable);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] {
        // A body that runs to the end of the connection ends here.
        readAvailable();
        if (m_stage == Stage::body && m_remaining < 0 && m_socket
            && m_socket->error() == QAbstractSocket::RemoteHostClosedError)
            responseComplete();
        else
            fail();
    });
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        readAvailable();
        if (m_stage == Stage::body && m_remaining < 0)
            responseComplete();
        else
            fail();
    });
    m_inactivity.start(m_options.inactivityTimeout);
    const QString host = url.host(QUrl::EncodeUnicode);
    if (auto* ssl = qobject_cast<QSslSocket*>(m_socket.data())) {
        connect(ssl, &QSslSocket::encrypted, this, &CatalogDownload::sendRequest);
        ssl->connectToHostEncrypted(host, quint16(url.port(443)));
    } else {
        connect(m_socket, &QTcpSocket::connected, this, &CatalogDownload::sendRequest);
        m_socket->connectToHost(host, quint16(url.port(80)));
    }
}

void CatalogDownload::sendRequest()
{
    m_inactivity.start(m_options.inactivityTimeout);
    QByteArray target = m_url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (m_url.hasQuery())
        target += '?' + m_url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = m_url.host(QUrl::EncodeUnicode).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (m_url.port() != -1)
        host += ':' + QByteArray::number(m_url.port());

    QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nUser-Agent: " + userAgent()
                         + "\r\nAccept-Encoding: identity\r\nConnection: close\r\n";
    if (!m_options.entityTag.isEmpty())
        request += "If-None-Match: " + m_options.entityTag + "\r\n";
    request += "\r\n";
    m_socket->write(request);
}

void CatalogDownload::readAvailable()
{
    if (m_finished || !m_socket)
        return;
    const QByteArray received = m_socket->readAll();
    if (received.isEmpty())
        return;
    m_inactivity.start(m_options.inactivityTimeout);
    m_buffer += received;
    parse();
}

bool CatalogDownload::parse()
{
    const QPointer<QTcpSocket> socket = m_socket;
    while (!m_finished && socket == m_socket) {
        switch (m_stage) {
        case Stage::statusLine:
        case Stage::headers:
        case Stage::chunkSize:
        case Stage::chunkDataEnd:
        case Stage::trailers: {
            std::optional<QByteArray> line = takeLine(m_buffer);
            if (!line) {
                if (m_buffer.size() > maximumHeaderSize)
                    fail();
                return !m_finished;
            }
            bool ok = true;
            if (m_stage == Stage::statusLine) {
                ok = parseStatusLine(*line);
            } else if (m_stage == Stage::headers) {
                ok = line->isEmpty() ? headersComplete() : parseHeaderLine(*line);
            } else if (m_stage == Stage::chunkSize) {
                const std::optional<qint64> length = chunkLength(*line);
                ok = length.has_value();
                if (ok && *length == 0) {
                    m_stage = Stage::trailers;
                } else if (ok) {
                    if (m_body.size() + *length > m_options.maximumBodySize) {
                        finish(Outcome::tooLarge);
                        return false;
                    }
                    m_remaining = *length;
                    m_stage = Stage::chunkData;
                }
            } else if (m_stage == Stage::chunkDataEnd) {
                ok = line->isEmpty();
                m_stage = Stage::chunkSize;
            } else if (line->isEmpty()) {
                responseComplete();
            } else {
                ok = parseHeaderLine(*line);  // a trailer: counted, not kept apart
            }
            if (!ok) {
                fail();
                return false;
            }
            break;
        }
        case Stage::body:
        case Stage::chunkData: {
            if (m_buffer.isEmpty())
                return true;
            const qint64 count = m_remaining < 0 ? m_buffer.size() : std::min<qint64>(m_remaining, m_buffer.size());
            if (!appendBody(count))
                return false;
            if (m_remaining == 0) {
                if (m_stage == Stage::body)
                    responseComplete();
                else
                    m_stage = Stage::chunkDataEnd;
            }
            break;
        }
        case Stage::done:
            return true;
        }
    }
    return !m_finished;
}

bool CatalogDownload::parseStatusLine(const QByteArray& line)
{
    // HTTP/1.x 200 Reason
    if (!line.startsWith("HTTP/1.") || line.size() < 12 || line[8] != ' ')
        return false;
    const QByteArrayView code = QByteArrayView(line).sliced(9, 3);
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    m_status = code.toInt();
    m_headerBytes += line.size();
    m_stage = Stage::headers;
    return true;
}

bool CatalogDownload::parseHeaderLine(const QByteArray& line)
{
    m_headerBytes += line.size();
    const qsizetype colon = line.indexOf(':');
    // A folded line (leading white space) is refused, as HTTP/1.1 allows.
    if (m_headerBytes > maximumHeaderSize || colon <= 0 || line.front() == ' ' || line.front() == '\t')
        return false;
    m_headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    return true;
}

bool CatalogDownload::headersComplete()
{
    if (m_status >= 100 && m_status < 200) {
        if (m_status == 101)
            return false;
        // An interim response; the real one follows.
        m_headers.clear();
        m_stage = Stage::statusLine;
        return true;
    }
    if (isRedirect(m_status) && !header("Location").isEmpty()) {
        if (++m_redirects > maximumRedirects)
            return false;
        const QUrl next = m_url.resolved(QUrl::fromEncoded(header("Location")));
        // https never hands over to plain http.
        if (m_url.scheme().compare(u"https"_s, Qt::CaseInsensitive) == 0
            && next.scheme().compare(u"https"_s, Qt::CaseInsensitive) != 0)
            return false;
        connectTo(next);
        return true;
    }
    if (m_status == 204 || m_status == 304) {
        responseComplete();
        return true;
    }
    const QByteArray transferEncoding = header("Transfer-Encoding");
    if (!transferEncoding.isNull()) {
        const QByteArray last = transferEncoding.split(',').last().trimmed().toLower();
        m_stage = last == "chunked" ? Stage::chunkSize : Stage::body;
        m_remaining = -1;
        return true;
    }
    std::optional<qint64> length;
    for (const auto& [name, value] : std::as_const(m_headers)) {
        if (name.compare("Content-Length", Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray& part : value.split(',')) {
            const std::optional<qint64> parsed = decimalLength(part);
            // Lengths that disagree leave the body's end unknown.
            if (!parsed || (length && *length != *parsed))
                return false;
            length = parsed;
        }
    }
    m_stage = Stage::body;
    m_remaining = length.value_or(-1);
    if (length && *length > m_options.maximumBodySize) {
        finish(Outcome::tooLarge);
        return true;
    }
    if (m_remaining == 0)
        responseComplete();
    return true;
}

bool CatalogDownload::appendBody(qint64 count)
{
    if (m_body.size() + count > m_options.maximumBodySize) {
        finish(Outcome::tooLarge);
        return false;
    }
    m_body += QByteArrayView(m_buffer).first(count);
    m_buffer.remove(0, count);
    if (m_remaining > 0)
        m_remaining -= count;
    return true;
}

void CatalogDownload::responseComplete()
{
    m_stage = Stage::done;
    finish(Outcome::response);
}

void CatalogDownload::finish(Outcome outcome)
{
    if (m_finished)
        return;
    m_finished = true;
    m_outcome = outcome;
    if (outcome != Outcome::response)
        m_body.clear();
    m_inactivity.stop();
    m_deadline.stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
    }
    QMetaObject::invokeMethod(this, &CatalogDownload::finished, Qt::QueuedConnection);
}

}  // namespace tabrino
