// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SwayIpc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tabrino {

namespace {

constexpr char kMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr qsizetype kMagicSize = sizeof kMagic;
// Far above any reply to the requests we make; a larger length means the
// stream is not sway's.
constexpr quint32 kMaxPayload = 16u << 20;
// How long sway may take to accept or answer one request.
constexpr timeval kTimeout{0, 500'000};

// A connected socket, closed when it goes.
class Connection {
public:
    explicit Connection(const QString& path)
    {
        const QByteArray name = path.toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path))
            return;
        std::memcpy(address.sun_path, name.constData(), name.size());
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_fd < 0)
            return;
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &kTimeout, sizeof kTimeout);
        ::setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &kTimeout, sizeof kTimeout);
        if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~Connection()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    bool write(const QByteArray& data) const
    {
        for (qsizetype done = 0; done < data.size();) {
            const ssize_t sent = ::send(m_fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
            if (sent < 0 && errno == EINTR)
                continue;
            if (sent <= 0)
                return false;
            done += sent;
        }
        return true;
    }

    std::optional<SwayIpc::Message> readMessage() const
    {
        QByteArray buffer;
        SwayIpc::Message message;
        for (;;) {
            const qsizetype taken = SwayIpc::decode(buffer, message);
            if (taken > 0)
                return message;
            if (taken < 0)
                return std::nullopt;
            char chunk[4096];
            const ssize_t got = ::recv(m_fd, chunk, sizeof chunk, 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return std::nullopt;
            buffer.append(chunk, got);
        }
    }

private:
    int m_fd = -1;
};

QRect rectOf(const QJsonObject& object)
{
    return QRect(object.value(u"x").toInt(), object.value(u"y").toInt(), object.value(u"width").toInt(),
                 object.value(u"height").toInt());
}

}  // namespace

QByteArray SwayIpc::encode(quint32 type, const QByteArray& payload)
{
    const quint32 length = quint32(payload.size());
    QByteArray message(kMagic, kMagicSize);
    message.append(reinterpret_cast<const char*>(&length), sizeof length);
    message.append(reinterpret_cast<const char*>(&type), sizeof type);
    return message + payload;
}

qsizetype SwayIpc::decode(const QByteArray& buffer, Message& message)
{
    if (std::memcmp(buffer.constData(), kMagic, size_t(std::min(buffer.size(), kMagicSize))) != 0)
        return -1;
    if (buffer.size() < kHeaderSize)
        return 0;
    quint32 length = 0;
    std::memcpy(&length, buffer.constData() + kMagicSize, sizeof length);
    if (length > kMaxPayload)
        return -1;
    if (buffer.size() < kHeaderSize + qsizetype(length))
        return 0;
    std::memcpy(&message.type, buffer.constData() + kMagicSize + sizeof length, sizeof message.type);
    message.payload = buffer.mid(kHeaderSize, length);
    return kHeaderSize + length;
}

QString SwayIpc::availableSocket()
{
    const QString path = qEnvironmentVariable("SWAYSOCK");
    return Connection(path).isOpen() ? path : QString();
}

std::optional<QByteArray> SwayIpc::request(Type type, const QByteArray& payload, QString* error) const
{
    const auto fail = [error](const char* reason) {
        if (error)
            *error = QString::fromLatin1(reason);
        return std::nullopt;
    };
    const Connection connection(m_socketPath);
    if (!connection.isOpen())
        return fail("cannot connect to sway's socket");
    if (!connection.write(encode(quint32(type), payload)))
        return fail("cannot send to sway");
    const std::optional<Message> reply = connection.readMessage();
    if (!reply)
        return fail("no reply from sway");
    if (reply->type != quint32(type))
        return fail("sway answered another request");
    return reply->payload;
}

bool SwayIpc::runCommand(const QString& command, QString* error) const
{
    const std::optional<QByteArray> reply = request(Type::RunCommand, command.toUtf8(), error);
    if (!reply)
        return false;
    const QJsonArray results = QJsonDocument::fromJson(*reply).array();
    if (results.isEmpty()) {
        if (error)
            *error = QStringLiteral("sway's reply is not a list of results");
        return false;
    }
    for (const QJsonValue& result : results) {
        const QJsonObject object = result.toObject();
        if (!object.value(u"success").toBool()) {
            if (error)
                *error = object.value(u"error").toString(QStringLiteral("sway refused the command"));
            return false;
        }
    }
    return true;
}

std::optional<QRect> SwayIpc::workspaceArea(const QRect& screen) const
{
    const std::optional<QByteArray> reply = request(Type::GetWorkspaces, {});
    if (!reply)
        return std::nullopt;
    std::optional<QRect> focused;
    for (const QJsonValue& value : QJsonDocument::fromJson(*reply).array()) {
        const QJsonObject workspace = value.toObject();
        const QRect area = rectOf(workspace.value(u"rect").toObject());
        if (workspace.value(u"visible").toBool() && area.intersects(screen))
            return area;
        if (workspace.value(u"focused").toBool())
            focused = area;
    }
    return focused;
}

}  // namespace tabrino
