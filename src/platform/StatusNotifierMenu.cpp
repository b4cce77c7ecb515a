#include "platform/StatusNotifierMenu.h"

#include <QDBusMetaType>

namespace tabrino {

namespace {

void registerDBusTypes()
{
    static const bool once = [] {
        qDBusRegisterMetaType<DBusMenuLayout>();
        qDBusRegisterMetaType<DBusMenuItemProperties>();
        qDBusRegisterMetaType<QList<DBusMenuItemProperties>>();
        qDBusRegisterMetaType<DBusMenuItemPropertyNames>();
        qDBusRegisterMetaType<QList<DBusMenuItemPropertyNames>>();
        qDBusRegisterMetaType<DBusMenuEvent>();
        qDBusRegisterMetaType<QList<DBusMenuEvent>>();
        return true;
    }();
    Q_UNUSED(once);
}

// The root's properties that `names` asks for; an empty list asks for all.
QVariantMap selected(const QVariantMap& properties, const QStringList& names)
{
    if (names.isEmpty())
        return properties;
    QVariantMap result;
    for (const QString& name : names) {
        if (properties.contains(name))
            result.insert(name, properties.value(name));
    }
    return result;
}

}  // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayout& layout)
{
    argument.beginStructure();
    argument << layout.id << layout.properties << layout.children;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayout& layout)
{
    argument.beginStructure();
    argument >> layout.id >> layout.properties >> layout.children;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemProperties& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemProperties& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemPropertyNames& item)
{
    argument.beginStructure();
    argument << item.id << item.names;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemPropertyNames& item)
{
    argument.beginStructure();
    argument >> item.id >> item.names;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

StatusNotifierMenu::StatusNotifierMenu(QObject* parent) : QObject(parent)
{
    // Before the object is exported: Qt checks the slots' types then.
    registerDBusTypes();
}

QVariantMap StatusNotifierMenu::rootProperties()
{
    return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
}

void StatusNotifierMenu::refuseUnknown(int id)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("The menu has no entry %1").arg(id));
}

uint StatusNotifierMenu::GetLayout(int parentId, int, const QStringList& propertyNames, DBusMenuLayout& layout)
{
    if (parentId != 0) {
        refuseUnknown(parentId);
        return 0;
    }
    layout.id = 0;
    layout.properties = selected(rootProperties(), propertyNames);
    layout.children.clear();
    // The layout never changes, so its first revision is its last.
    return 1;
}

QList<DBusMenuItemProperties> StatusNotifierMenu::GetGroupProperties(const QList<int>& ids,
                                                                     const QStringList& propertyNames)
{
    // Entries that do not exist are left out, as the protocol asks.
    QList<DBusMenuItemProperties> result;
    if (ids.isEmpty() || ids.contains(0))
        result << DBusMenuItemProperties{0, selected(rootProperties(), propertyNames)};
    return result;
}

QDBusVariant StatusNotifierMenu::GetProperty(int id, const QString& name)
{
    const QVariantMap properties = rootProperties();
    if (id != 0 || !properties.contains(name)) {
        refuseUnknown(id);
        return QDBusVariant(QString());
    }
    return QDBusVariant(properties.value(name));
}

void StatusNotifierMenu::Event(int, const QString&, const QDBusVariant&, uint)
{
    // The root is the only entry, and opening it shows nothing.
}

QList<int> StatusNotifierMenu::EventGroup(const QList<DBusMenuEvent>& events)
{
    QList<int> unknown;
    for (const DBusMenuEvent& event : events) {
        if (event.id != 0)
            unknown << event.id;
    }
    return unknown;
}

bool StatusNotifierMenu::AboutToShow(int)
{
    return false;
}

QList<int> StatusNotifierMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
{
    idErrors.clear();
    for (const int id : ids) {
        if (id != 0)
            idErrors << id;
    }
    return {};
}

}  // namespace tabrino
