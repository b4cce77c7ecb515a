// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <optional>

namespace tabrino {

// A client of sway's IPC socket ($SWAYSOCK), the i3 protocol: a message is
// the magic "i3-ipc", its payload's length and its type (both 32-bit, in
// the machine's byte order) and the payload. Each request opens its own
// connection and waits a bounded time for the reply, so a stuck compositor
// costs a moment, never the program.
class SwayIpc {
public:
    enum class Type : quint32 { RunCommand = 0, GetWorkspaces = 1 };

    struct Message {
        quint32 type = 0;
        QByteArray payload;
    };

    static constexpr qsizetype kHeaderSize = 14;

    static QByteArray encode(quint32 type, const QByteArray& payload);
    // Reads the message at the front of `buffer` into `message`: the bytes it
    // took, 0 while it is incomplete, -1 when the buffer does not hold one
    // (wrong magic, or a length past what sway ever sends).
    static qsizetype decode(const QByteArray& buffer, Message& message);

    // $SWAYSOCK when it names a socket that accepts a connection, else empty:
    // the compositor speaks sway's IPC and so can place our windows.
    static QString availableSocket();

    explicit SwayIpc(QString socketPath) : m_socketPath(std::move(socketPath)) {}

    // sway's reply to one request; empty (with `error` set) when it cannot
    // be had.
    std::optional<QByteArray> request(Type type, const QByteArray& payload, QString* error = nullptr) const;
    // Runs a command list; false, with sway's reason in `error`, when sway
    // cannot be reached or refuses any of the commands.
    bool runCommand(const QString& command, QString* error = nullptr) const;
    // The area a window may take on the visible workspace that lies on
    // `screen` (the output without its bars), else on the focused one.
    std::optional<QRect> workspaceArea(const QRect& screen) const;

private:
    QString m_socketPath;
};

}  // namespace tabrino
