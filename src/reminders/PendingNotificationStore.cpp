// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reminders/PendingNotificationStore.h"

#include "store/SqliteDatabase.h"
#include "store/SqliteStatement.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

const QString kCreateTable = uR"(CREATE TABLE IF NOT EXISTS PendingNotification (
    identifier TEXT PRIMARY KEY NOT NULL,
    title TEXT NOT NULL,
    body TEXT NOT NULL,
    defaultSound INTEGER NOT NULL,
    categoryIdentifier TEXT NOT NULL,
    userInfo TEXT NOT NULL,
    year INTEGER NOT NULL,
    month INTEGER NOT NULL,
    day INTEGER NOT NULL,
    hour INTEGER NOT NULL,
    minute INTEGER NOT NULL,
    timeZoneId TEXT NOT NULL))"_s;

QString userInfoText(const QVariantMap& userInfo)
{
    QJsonObject object;
    for (auto it = userInfo.begin(); it != userInfo.end(); ++it)
        object.insert(it.key(), it.value().toString());
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

std::optional<QVariantMap> userInfoFromText(const QString& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject())
        return std::nullopt;
    QVariantMap result;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isString())
            return std::nullopt;
        result.insert(it.key(), it.value().toString());
    }
    return result;
}

}  // namespace

PendingNotificationStore::PendingNotificationStore(SqliteDatabase& database) : m_database(database)
{
    m_usable = m_database.execute(kCreateTable);
}

QList<NotificationRequest> PendingNotificationStore::loadAll()
{
    QList<NotificationRequest> result;
    auto query = m_database.prepare(
        u"SELECT identifier, title, body, defaultSound, categoryIdentifier, userInfo, year, month, day, hour, minute, "
        "timeZoneId FROM PendingNotification ORDER BY identifier"_s);
    if (!query)
        return result;
    while (query->step() == SqliteStatement::Step::Row) {
        const std::optional<QVariantMap> userInfo = userInfoFromText(query->text(5));
        if (!userInfo)
            continue;
        NotificationRequest request;
        request.identifier = query->text(0);
        request.content.title = query->text(1);
        request.content.body = query->text(2);
        request.content.playsSound = query->integer(3) != 0;
        request.content.categoryIdentifier = query->text(4);
        request.content.userInfo = *userInfo;
        const DateComponents components{static_cast<int>(query->integer(6)), static_cast<int>(query->integer(7)),
                                        static_cast<int>(query->integer(8)), static_cast<int>(query->integer(9)),
                                        static_cast<int>(query->integer(10))};
        request.trigger = CalendarTrigger(components, Calendar(query->text(11)));
        if (request.identifier.isEmpty() || !request.trigger.fireDate())
            continue;
        result << request;
    }
    return result;
}

bool PendingNotificationStore::save(const NotificationRequest& request)
{
    auto insert = m_database.prepare(
        u"INSERT OR REPLACE INTO PendingNotification (identifier, title, body, defaultSound, categoryIdentifier, "
        "userInfo, year, month, day, hour, minute, timeZoneId) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    if (!insert)
        return false;
    const NotificationContent& content = request.content;
    const DateComponents components = request.trigger.dateComponents();
    bool ok = insert->bind(1, request.identifier, ColumnType::Text)
        && insert->bind(2, content.title.isNull() ? u""_s : content.title, ColumnType::Text)
        && insert->bind(3, content.body.isNull() ? u""_s : content.body, ColumnType::Text)
        && insert->bind(4, content.playsSound, ColumnType::Boolean)
        && insert->bind(5, content.categoryIdentifier.isNull() ? u""_s : content.categoryIdentifier, ColumnType::Text)
        && insert->bind(6, userInfoText(content.userInfo), ColumnType::Text)
        && insert->bind(7, components.year, ColumnType::Integer)
        && insert->bind(8, components.month, ColumnType::Integer)
        && insert->bind(9, components.day, ColumnType::Integer)
        && insert->bind(10, components.hour, ColumnType::Integer)
        && insert->bind(11, components.minute, ColumnType::Integer)
        && insert->bind(12, request.trigger.calendar().timeZoneId(), ColumnType::Text);
    return ok && insert->step() == SqliteStatement::Step::Done;
}

bool PendingNotificationStore::remove(const QStringList& identifiers)
{
    if (identifiers.isEmpty())
        return true;
    auto statement = m_database.prepare(u"DELETE FROM PendingNotification WHERE identifier = ?"_s);
    if (!statement || !m_database.execute(u"BEGIN IMMEDIATE"_s))
        return false;
    bool ok = true;
    for (const QString& identifier : identifiers) {
        ok = ok && statement->bind(1, identifier, ColumnType::Text) && statement->step() == SqliteStatement::Step::Done
            && statement->reset();
    }
    if (ok && m_database.execute(u"COMMIT"_s))
        return true;
    m_database.execute(u"ROLLBACK"_s);
    return false;
}

bool PendingNotificationStore::removeAll()
{
    return m_database.execute(u"DELETE FROM PendingNotification"_s);
}

}  // namespace tabrino
