// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ReduceMotion.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

// The desktop portal's Settings interface with a chosen set of values, on a
// connection of its own.
class PortalDouble : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit PortalDouble(QHash<QString, QVariant> values)
        : m_values(std::move(values))
        , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal")))
    {
        m_connection.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                                    QDBusConnection::ExportScriptableSlots);
        m_connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    ~PortalDouble() override
    {
        m_connection.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

    void change(const QString& group, const QString& key, const QVariant& value)
    {
        m_values[group + u' ' + key] = value;
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        m_connection.send(signal);
    }

public Q_SLOTS:
    Q_SCRIPTABLE QDBusVariant Read(const QString& group, const QString& key)
    {
        const auto found = m_values.constFind(group + u' ' + key);
        if (found == m_values.constEnd()) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("no such key"));
            return QDBusVariant();
        }
        // Like the portals before version 2, the value comes wrapped twice.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(*found)));
    }

private:
    QHash<QString, QVariant> m_values;
    QDBusConnection m_connection;
};

const QString kGnome = QStringLiteral("org.gnome.desktop.interface");
const QString kKde = QStringLiteral("org.kde.kdeglobals.KDE");

void writeFile(const QString& path, const QByteArray& text, bool executable = false)
{
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    ASSERT_TRUE(file.commit());
    if (executable)
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QDBusConnection noBus()
{
    return QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no-bus"));
}

}  // namespace

TEST(ReduceMotionTest, followsGnomeThroughThePortal)
{
    PortalDouble portal({{kGnome + u" enable-animations"_qs, true}});
    ReduceMotion reduce({QDBusConnection::sessionBus(), QString(), QString()});
    QSignalSpy changed(&reduce, &ReduceMotion::enabledChanged);
    QTest::qWait(200);
    EXPECT_FALSE(reduce.isEnabled());
    EXPECT_EQ(changed.count(), 0);

    portal.change(kGnome, QStringLiteral("enable-animations"), false);
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_TRUE(reduce.isEnabled());

    portal.change(kGnome, QStringLiteral("enable-animations"), true);
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_FALSE(reduce.isEnabled());
}

TEST(ReduceMotionTest, readsKdesFactorThroughThePortal)
{
    PortalDouble portal({{kKde + u" AnimationDurationFactor"_qs, QStringLiteral("0")}});
    ReduceMotion reduce({QDBusConnection::sessionBus(), QString(), QString()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return reduce.isEnabled(); }, 3000));

    portal.change(kKde, QStringLiteral("AnimationDurationFactor"), 0.5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reduce.isEnabled(); }, 3000));
}

TEST(ReduceMotionTest, withoutAPortalReadsKdeglobalsAndAsksGsettings)
{
    QTemporaryDir dir;
    const QString kdeglobals = dir.filePath(QStringLiteral("kdeglobals"));
    writeFile(kdeglobals,
              "[General]\nAnimationDurationFactor=1\n[KDE]\nSingleClick=false\nAnimationDurationFactor=0\n");
    ReduceMotion kde({noBus(), kdeglobals, QString()});
    EXPECT_TRUE(kde.isEnabled());

    // KDE saves by replacing the file.
    QSignalSpy changed(&kde, &ReduceMotion::enabledChanged);
    writeFile(kdeglobals, "[KDE]\nAnimationDurationFactor=0.25\n");
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_FALSE(kde.isEnabled());
    writeFile(kdeglobals, "[KDE]\nAnimationDurationFactor=0\n");
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_TRUE(kde.isEnabled());

    // A kdeglobals that only appears once the program runs (KDE writes it the
    // first time the setting changes) is read when it appears.
    const QString later = dir.filePath(QStringLiteral("later/kdeglobals"));
    QDir().mkpath(QFileInfo(later).absolutePath());
    ReduceMotion firstChange({noBus(), later, QString()});
    EXPECT_FALSE(firstChange.isEnabled());
    writeFile(later, "[KDE]\nAnimationDurationFactor=0\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstChange.isEnabled(); }, 3000));

    const QString gsettings = dir.filePath(QStringLiteral("gsettings"));
    writeFile(gsettings,
              "#!/bin/sh\n[ \"$*\" = \"get org.gnome.desktop.interface enable-animations\" ] && echo false\n", true);
    ReduceMotion gnome({noBus(), QString(), gsettings});
    EXPECT_TRUE(QTest::qWaitFor([&] { return gnome.isEnabled(); }, 5000));
}

#include "ReduceMotionTest.moc"
