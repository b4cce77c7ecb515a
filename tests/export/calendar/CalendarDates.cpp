// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes, for each time zone, the calendar file of a set of subscriptions
// that covers every billing cycle from the dates where month lengths and
// leap days matter, and beside it the charge dates the program itself
// computes for each of them, for check_calendar.py to compare with what an
// iCalendar reader makes of the file.

#include "export/CalendarExport.h"
#include "format/FormatterCache.h"
#include "foundation/Calendar.h"
#include "model/CycleWalker.h"
#include "model/Subscription.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

using namespace tabrino;
using namespace Qt::StringLiterals;

namespace {

struct Case {
    BillingCycle cycle;
    int year;
    int month;
    int day;
};

std::vector<Case> cases()
{
    const std::vector<BillingCycle> cycles = {
        BillingCycle::weekly(),   BillingCycle::monthly(),  BillingCycle::quarterly(),
        BillingCycle::yearly(),   BillingCycle::custom(1),  BillingCycle::custom(10),
        BillingCycle::custom(45), BillingCycle::custom(30), BillingCycle::custom(365)};
    // Month ends of every length, the leap day and the days around it, days
    // that every month has, and starts just before daylight-saving changes.
    const std::vector<std::array<int, 3>> starts = {
        {2027, 1, 31}, {2027, 3, 31}, {2027, 5, 31},  {2027, 8, 31},  {2027, 10, 31}, {2027, 12, 31},
        {2027, 1, 30}, {2027, 4, 30}, {2027, 6, 30},  {2027, 11, 30}, {2027, 1, 29},  {2027, 3, 29},
        {2028, 2, 29}, {2027, 2, 28}, {2028, 2, 28},  {2028, 3, 1},   {2027, 1, 28},  {2027, 1, 1},
        {2027, 1, 15}, {2027, 3, 27}, {2027, 10, 30}, {2027, 3, 13},  {2027, 11, 6}};
    std::vector<Case> result;
    for (const BillingCycle& cycle : cycles) {
        for (const auto& [year, month, day] : starts)
            result.push_back({cycle, year, month, day});
    }
    return result;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> <years>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int years = QByteArray(argv[2]).toInt();
    const QDateTime stamp(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
    FormatterCache cache(u"en_US"_s);

    for (const QString& zone : {u"Europe/Berlin"_s, u"America/New_York"_s, u"Pacific/Kiritimati"_s}) {
        const Calendar calendar(zone);
        std::vector<std::unique_ptr<Subscription>> owned;
        QList<Subscription*> subscriptions;
        QJsonObject expected;
        int index = 0;
        for (const Case& c : cases()) {
            // Charges just after midnight and just before it, where a date
            // taken in the wrong zone is a day off.
            const int hour = index++ % 2 == 0 ? 0 : 23;
            const QDateTime first = calendar.date({c.year, c.month, c.day, hour, 30}).value();
            auto subscription = std::make_unique<Subscription>(u"Plan"_s, Decimal(5), u"USD"_s, c.cycle, first,
                                                               SubscriptionCategory::Other);
            // Every date up to the horizon, stepped as the program rolls a billing date forward.
            const QDateTime horizon = calendar.date({c.year + years, c.month, 1, 0, 0}).value();
            const CycleWalker walker(c.cycle, calendar);
            QJsonArray dates;
            // At least as many as the file lists where no rule fits.
            for (QDateTime date = first; date < horizon || dates.size() < CalendarExport::kListedCharges;) {
                const DateComponents day = calendar.components(date);
                dates.append(QDate(day.year, day.month, day.day).toString(Qt::ISODate));
                const QDateTime next = walker.step(date);
                if (next <= date)
                    break;
                date = next;
            }
            const QDate end = QDate(c.year + years, c.month, 1);
            expected.insert(subscription->id().toString(QUuid::WithoutBraces) + u"@tabrino.app"_s,
                            QJsonObject{{u"cycle"_s, c.cycle.displayName()},
                                        {u"first"_s, QDate(c.year, c.month, c.day).toString(Qt::ISODate)},
                                        {u"end"_s, end.toString(Qt::ISODate)},
                                        {u"dates"_s, dates}});
            subscriptions << subscription.get();
            owned.push_back(std::move(subscription));
        }
        const QString name = QString(zone).replace(u'/', u'_');
        if (!writeFile(out.filePath(name + u".ics"_s), CalendarExport::build(subscriptions, calendar, stamp, cache))
            || !writeFile(out.filePath(name + u".json"_s), QJsonDocument(expected).toJson())) {
            std::fprintf(stderr, "could not write to %s\n", argv[1]);
            return 1;
        }
    }
    return 0;
}
