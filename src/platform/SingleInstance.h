// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace tabrino {

// Keeps one running instance per user. The first instance owns the D-Bus
// name app.tabrino.Tabrino and answers its ShowPanel method; a later one
// finds the name taken, asks the owner to show its panel and learns that it
// should exit. Without a session bus, a lock file and a local socket in the
// user's runtime folder do the same.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.tabrino.Tabrino")

public:
    enum class Role { Primary, Secondary };
    Q_ENUM(Role)

    static inline const QString kServiceName = QStringLiteral("app.tabrino.Tabrino");
    static inline const QString kObjectPath = QStringLiteral("/app/tabrino/Tabrino");

    // The session bus and $XDG_RUNTIME_DIR.
    explicit SingleInstance(QObject* parent = nullptr);
    SingleInstance(const QDBusConnection& bus, const QString& runtimeDirectory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Claims the instance; call once at start. `secondary` means another
    // instance runs and has been asked to show its panel: exit now.
    Role claim();

public Q_SLOTS:
    // Called by a later instance.
    Q_SCRIPTABLE void ShowPanel();

Q_SIGNALS:
    void showPanelRequested();

private:
    Role claimOnBus();
    Role claimLocally();

    QDBusConnection m_bus;
    QString m_runtimeDirectory;
    bool m_ownsBusName = false;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

}  // namespace tabrino
