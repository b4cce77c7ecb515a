// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tabrino::test {

QByteArray serviceJson(const QString& id, const QString& name, const QString& category)
{
    return uR"({"id": "%1", "name": "%2", "category": "%3", "brandColor": "#E50914", "symbol": "play.tv",
                "plans": [{"name": "Standard", "price": 4.99, "cycle": "monthly"}]})"_s.arg(id, name, category)
        .toUtf8();
}

QByteArray documentJson(const QList<QByteArray>& services)
{
    return "[\n" + QByteArrayList(services).join(",\n") + "\n]\n";
}

QByteArray generatedCatalog(int count, const QString& prefix, const QList<QByteArray>& extra)
{
    QList<QByteArray> services;
    const QString title = prefix.left(1).toUpper() + prefix.mid(1);
    for (int i = 1; i <= count; ++i) {
        const QString number = u"%1"_s.arg(i, 4, 10, QLatin1Char('0'));
        services.append(serviceJson(prefix + u'-' + number, title + u' ' + number));
    }
    services.append(extra);
    return documentJson(services);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CatalogService makeService(const QString& id, const QString& name, const QStringList& aliases)
{
    CatalogService service;
    service.id = id;
    service.name = name;
    service.category = u"other"_s;
    service.brandColor = u"777777"_s;
    service.symbol = u"star"_s;
    if (!aliases.isEmpty())
        service.aliases = aliases;
    return service;
}

}  // namespace tabrino::test
