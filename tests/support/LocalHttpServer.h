// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

namespace tabrino::test {

// A minimal HTTP/1.1 server on 127.0.0.1 that answers every request with
// one configured response (or not at all) and records what it was asked.
class LocalHttpServer : public QObject {
    Q_OBJECT

public:
    struct Response {
        int status = 200;
        QByteArray reason = "OK";
        QList<std::pair<QByteArray, QByteArray>> headers;
        QByteArray body;
        bool answer = true;         // false: read the request, then stay silent
        bool declareLength = true;  // false: no Content-Length; the body ends when the connection closes
        bool chunked = false;       // the body in chunked transfer coding, in small chunks
        int dripMs = 0;             // > 0: the body one byte at a time, this far apart
    };

    struct Request {
        QByteArray method;
        QByteArray target;
        QHash<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray head;                        // as received, up to the blank line
    };

    LocalHttpServer();

    QUrl url() const;
    // The answer to every request, unless `target` has one of its own.
    void setResponse(Response response) { m_response = std::move(response); }
    void setResponse(const QByteArray& target, Response response) { m_responses.insert(target, std::move(response)); }
    const QList<Request>& requests() const { return m_requests; }

private:
    void accept();
    void readFrom(QTcpSocket* socket);

    QTcpServer m_server;
    Response m_response;
    QHash<QByteArray, Response> m_responses;
    QList<Request> m_requests;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

}  // namespace tabrino::test
