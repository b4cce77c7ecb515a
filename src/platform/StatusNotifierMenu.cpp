// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

void StatusNotifierMenu::setHasEntries(bool hasEntries)
{
    if (hasEntries == m_hasEntries)
        return;
    m_hasEntries = hasEntries;
    // Hosts cache the layout and read it again only for a newer revision.
    ++m_revision;
    Q_EMIT LayoutUpdated(m_revision, 0);
}

bool StatusNotifierMenu::exists(int id) const
{
    return id == 0 || (m_hasEntries && (id == kOpenId || id == kSeparatorId || id == kQuitId));
}

QVariantMap StatusNotifierMenu::propertiesOf(int id) const
{
    const auto entry = [](const QString& type, const QString& label) {
        QVariantMap properties{
            {QStringLiteral("type"), type}, {QStringLiteral("enabled"), true}, {QStringLiteral("visible"), true}};
        if (!label.isEmpty())
            properties.insert(QStringLiteral("label"), label);
        return properties;
    };
    switch (id) {
    case 0: return rootProperties();
    //: An entry of the tray item's menu: opens the panel
    case kOpenId: return entry(QStringLiteral("standard"), tr("Open Tabrino"));
    case kSeparatorId: return entry(QStringLiteral("separator"), QString());
    //: An entry of the tray item's menu: ends the program
    case kQuitId: return entry(QStringLiteral("standard"), tr("Quit Tabrino"));
    default: return {};
    }
}

DBusMenuLayout StatusNotifierMenu::layoutOf(int id, int depth, const QStringList& propertyNames) const
{
    DBusMenuLayout layout;
    layout.id = id;
    layout.properties = selected(propertiesOf(id), propertyNames);
    // A depth of 0 asks for the entry alone; the entries have no children.
    if (id == 0 && depth != 0 && m_hasEntries) {
        for (const int child : {kOpenId, kSeparatorId, kQuitId})
            layout.children << QVariant::fromValue(layoutOf(child, depth - 1, propertyNames));
    }
    return layout;
}

void StatusNotifierMenu::refuseUnknown(int id)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("The menu has no entry %1").arg(id));
}

uint StatusNotifierMenu::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                   DBusMenuLayout& layout)
{
    if (!exists(parentId)) {
        refuseUnknown(parentId);
        return m_revision;
    }
    layout = layoutOf(parentId, recursionDepth, propertyNames);
    return m_revision;
}

QList<DBusMenuItemProperties> StatusNotifierMenu::GetGroupProperties(const QList<int>& ids,
                                                                     const QStringList& propertyNames)
{
    // Entries that do not exist are left out, as the protocol asks; no ids
    // at all asks for every entry.
    QList<int> wanted = ids;
    if (wanted.isEmpty())
        wanted = m_hasEntries ? QList<int>{0, kOpenId, kSeparatorId, kQuitId} : QList<int>{0};
    QList<DBusMenuItemProperties> result;
    for (const int id : wanted) {
        if (exists(id))
            result << DBusMenuItemProperties{id, selected(propertiesOf(id), propertyNames)};
    }
    return result;
}

QDBusVariant StatusNotifierMenu::GetProperty(int id, const QString& name)
{
    const QVariantMap properties = propertiesOf(id);
    if (!exists(id) || !properties.contains(name)) {
        refuseUnknown(id);
        return QDBusVariant(QString());
    }
    return QDBusVariant(properties.value(name));
}

void StatusNotifierMenu::click(int id, const QString& eventId)
{
    // Hovers, openings and closings call for nothing.
    if (eventId != u"clicked" || !m_hasEntries)
        return;
    if (id == kOpenId)
        Q_EMIT openRequested();
    else if (id == kQuitId)
        Q_EMIT quitRequested();
}

void StatusNotifierMenu::Event(int id, const QString& eventId, const QDBusVariant&, uint)
{
    if (!exists(id)) {
        refuseUnknown(id);
        return;
    }
    click(id, eventId);
}

QList<int> StatusNotifierMenu::EventGroup(const QList<DBusMenuEvent>& events)
{
    QList<int> unknown;
    for (const DBusMenuEvent& event : events) {
        if (exists(event.id))
            click(event.id, event.eventId);
        else
            unknown << event.id;
    }
    return unknown;
}

bool StatusNotifierMenu::AboutToShow(int id)
{
    if (!exists(id))
        refuseUnknown(id);
    // The entries never change on being shown.
    return false;
}

QList<int> StatusNotifierMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
{
    idErrors.clear();
    for (const int id : ids) {
        if (!exists(id))
            idErrors << id;
    }
    return {};
}

}  // namespace tabrino
