// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace tabrino {

namespace {

const QByteArray kShowPanelLine = QByteArrayLiteral("ShowPanel\n");
constexpr int kTimeoutMs = 3000;

}  // namespace

SingleInstance::SingleInstance(QObject* parent)
    : SingleInstance(QDBusConnection::sessionBus(), QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                     parent)
{
}

SingleInstance::SingleInstance(const QDBusConnection& bus, const QString& runtimeDirectory, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_runtimeDirectory(runtimeDirectory)
{
}

SingleInstance::~SingleInstance()
{
    if (m_ownsBusName) {
        m_bus.unregisterObject(kObjectPath);
        m_bus.unregisterService(kServiceName);
    }
    if (m_server)
        m_server->close();  // removes the socket file while we still hold the lock
}

SingleInstance::Role SingleInstance::claim()
{
    return m_bus.isConnected() ? claimOnBus() : claimLocally();
}

SingleInstance::Role SingleInstance::claimOnBus()
{
    // The object goes first so that ShowPanel answers from the moment the
    // name is ours.
    m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots);
    if (m_bus.registerService(kServiceName)) {
        m_ownsBusName = true;
        return Role::Primary;
    }
    m_bus.unregisterObject(kObjectPath);
    // Refused without an owner (a bus policy, say): the bus cannot tell who
    // runs, so the runtime folder decides instead.
    if (!m_bus.interface() || !m_bus.interface()->isServiceRegistered(kServiceName).value())
        return claimLocally();
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kServiceName, kObjectPath, kServiceName, QStringLiteral("ShowPanel"));
    // Whether or not the owner answers in time, it is alive and holds the
    // name: a second tray item would only confuse.
    m_bus.call(call, QDBus::Block, kTimeoutMs);
    return Role::Secondary;
}

SingleInstance::Role SingleInstance::claimLocally()
{
    QDir().mkpath(m_runtimeDirectory);
    const QString socketPath = QDir(m_runtimeDirectory).filePath(QStringLiteral("tabrino.socket"));
    m_lock = std::make_unique<QLockFile>(QDir(m_runtimeDirectory).filePath(QStringLiteral("tabrino.lock")));
    // Staleness is decided by whether the holder's process lives, not by age.
    m_lock->setStaleLockTime(0);
    // A lock that cannot be made for any other reason than another holder
    // (no folder, no permission) must not keep the program from starting.
    if (m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError) {
        // We hold the lock, so any socket file left is a dead instance's.
        QLocalServer::removeServer(socketPath);
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* client = m_server->nextPendingConnection()) {
                connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
                connect(client, &QLocalSocket::readyRead, this, [this, client] {
                    while (client->canReadLine()) {
                        if (client->readLine() == kShowPanelLine)
                            Q_EMIT showPanelRequested();
                    }
                });
            }
        });
        m_server->listen(socketPath);
        return Role::Primary;
    }
    m_lock.reset();
    // The holder may have taken the lock a moment ago and not be listening
    // yet, so connecting is retried for a while.
    QLocalSocket socket;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(kTimeoutMs) || waited.elapsed() >= kTimeoutMs)
            break;
        QThread::msleep(50);
    }
    if (socket.state() == QLocalSocket::ConnectedState) {
        socket.write(kShowPanelLine);
        socket.waitForBytesWritten(kTimeoutMs);
        socket.disconnectFromServer();
    }
    return Role::Secondary;
}

void SingleInstance::ShowPanel()
{
    Q_EMIT showPanelRequested();
}

}  // namespace tabrino
