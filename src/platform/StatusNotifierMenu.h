// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusArgument>
#include <QDBusContext>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace tabrino {

// One entry of a com.canonical.dbusmenu layout: (ia{sv}av).
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};

// An entry's properties, (ia{sv}).
struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};

// The names of an entry's removed properties, (ias).
struct DBusMenuItemPropertyNames {
    int id = 0;
    QStringList names;
};

// A click or hover the host reports, (isvu).
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayout& layout);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayout& layout);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemProperties& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemProperties& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemPropertyNames& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemPropertyNames& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

// The item's com.canonical.dbusmenu menu: "Open Tabrino", a separator and
// "Quit Tabrino" under the root, or nothing but the root. GNOME Shell's
// AppIndicator extension shows an item only once it has a menu path, and
// opens a menu with entries on a left click instead of calling Activate;
// an empty menu lets it show ours while every click still reaches Activate.
class StatusNotifierMenu : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    static inline const QString kObjectPath = QStringLiteral("/MenuBar");
    // The entries' ids; the separator between them is 2.
    static constexpr int kOpenId = 1;
    static constexpr int kSeparatorId = 2;
    static constexpr int kQuitId = 3;

    explicit StatusNotifierMenu(QObject* parent = nullptr);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // The root's properties: its children open as a submenu.
    static QVariantMap rootProperties();

    // Whether the entries are shown; a change is announced with a new
    // layout revision.
    void setHasEntries(bool hasEntries);
    bool hasEntries() const { return m_hasEntries; }
    uint revision() const { return m_revision; }

public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames, tabrino::DBusMenuLayout& layout);
    QList<tabrino::DBusMenuItemProperties> GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const QList<tabrino::DBusMenuEvent>& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

Q_SIGNALS:
    void LayoutUpdated(uint revision, int parent);
    void ItemsPropertiesUpdated(const QList<tabrino::DBusMenuItemProperties>& updatedProperties,
                                const QList<tabrino::DBusMenuItemPropertyNames>& removedProperties);
    // An entry was clicked.
    void openRequested();
    void quitRequested();

private:
    bool exists(int id) const;
    QVariantMap propertiesOf(int id) const;
    DBusMenuLayout layoutOf(int id, int depth, const QStringList& propertyNames) const;
    void refuseUnknown(int id);
    void click(int id, const QString& eventId);

    bool m_hasEntries = true;
    uint m_revision = 1;
};

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::DBusMenuLayout)
Q_DECLARE_METATYPE(tabrino::DBusMenuItemProperties)
Q_DECLARE_METATYPE(tabrino::DBusMenuItemPropertyNames)
Q_DECLARE_METATYPE(tabrino::DBusMenuEvent)
