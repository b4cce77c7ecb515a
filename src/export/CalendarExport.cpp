// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/CalendarExport.h"

#include "foundation/Calendar.h"
#include "foundation/WebAddress.h"
#include "model/CycleWalker.h"
#include "model/Subscription.h"

#include <QDate>

#include <optional>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// Writes content lines: CRLF after each, folded so that no line is longer
// than 75 octets, never inside a UTF-8 sequence.
class ContentLines {
public:
    void add(QByteArrayView name, QByteArrayView value)
    {
        QByteArray line;
        line.reserve(name.size() + 1 + value.size());
        line.append(name).append(':').append(value);
        constexpr qsizetype kMaxOctets = 75;
        qsizetype start = 0;
        qsizetype room = kMaxOctets;
        while (line.size() - start > room) {
            qsizetype cut = start + room;
            while ((static_cast<unsigned char>(line.at(cut)) & 0xC0) == 0x80)
                --cut;
            m_out.append(line.constData() + start, cut - start).append("\r\n ");
            start = cut;
            room = kMaxOctets - 1;  // the folding space counts
        }
        m_out.append(line.constData() + start, line.size() - start).append("\r\n");
    }

    QByteArray take() { return std::move(m_out); }

private:
    QByteArray m_out;
};

// A TEXT value: backslash, semicolon, comma and line breaks escaped; other
// control characters, which the format does not allow, dropped.
QByteArray text(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' || c == u';' || c == u',') {
            escaped += u'\\';
            escaped += c;
        } else if (c == u'\n' || c == u'\r') {
            escaped += u"\\n"_s;
            if (c == u'\r' && i + 1 < value.size() && value.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\t' || (c.unicode() >= 0x20 && c.unicode() != 0x7F)) {
            escaped += c;
        }
    }
    return escaped.toUtf8();
}

QByteArray dateValue(const QDate& date)
{
    return date.toString(u"yyyyMMdd"_s).toLatin1();
}

QDate localDate(const QDateTime& instant, const Calendar& calendar)
{
    const DateComponents day = calendar.components(instant);
    return QDate(day.year, day.month, day.day);
}

// Whether every date a series of month steps reaches keeps the first date's
// day of the month. Stepping clamps a day that a later month lacks (31 Jan
// + 1 month = 28 Feb) and each step starts from the clamped date, so the
// series stays on the shorter day from then on: no recurrence rule says
// that, while one with BYMONTHDAY gives the series exactly when no month it
// visits is too short.
bool keepsDayOfMonth(const QDate& first, qint64 monthsPerStep)
{
    for (qint64 step = 0; step < 12; ++step) {
        const int month = static_cast<int>((first.month() - 1 + step * monthsPerStep) % 12) + 1;
        // The shortest length of that month, February's outside leap years.
        if (first.day() > QDate(2001, month, 1).daysInMonth())
            return false;
    }
    return true;
}

// The recurrence rule that gives exactly the dates of `step` from `first`,
// when there is one.
std::optional<QByteArray> rule(const CalendarStep& step, const QDate& first)
{
    switch (step.unit) {
    case CalendarUnit::Day:
        if (step.count == 7)
            return "FREQ=WEEKLY"_ba;
        if (step.count == 1)
            return "FREQ=DAILY"_ba;
        return "FREQ=DAILY;INTERVAL="_ba + QByteArray::number(step.count);
    case CalendarUnit::Month:
        if (!keepsDayOfMonth(first, step.count))
            return std::nullopt;
        return "FREQ=MONTHLY"_ba + (step.count == 1 ? QByteArray() : ";INTERVAL="_ba + QByteArray::number(step.count))
            + ";BYMONTHDAY="_ba + QByteArray::number(first.day());
    case CalendarUnit::Year:
        if (step.count != 1 || !keepsDayOfMonth(first, 12))
            return std::nullopt;
        return "FREQ=YEARLY"_ba;
    }
    return std::nullopt;
}

// The first charge and the rule or the list of the following ones.
struct ChargeSeries {
    QDate first;
    std::optional<QByteArray> rule;
    QList<QDate> following;
};

ChargeSeries chargeSeries(const Subscription& subscription, const Calendar& calendar)
{
    const BillingCycle cycle = subscription.billingCycle();
    // What the user pays next: a trial's end, when it converts, or the renewal.
    QDateTime charge = subscription.effectiveNextDate();
    ChargeSeries series{localDate(charge, calendar), std::nullopt, {}};
    if (!series.first.isValid())
        return series;
    series.rule = rule(cycle.calendarStep(), series.first);
    if (series.rule)
        return series;
    const CycleWalker walker(cycle, calendar);
    for (int i = 1; i < CalendarExport::kListedCharges; ++i) {
        const QDateTime next = walker.step(charge);
        if (next <= charge)
            break;
        charge = next;
        series.following << localDate(charge, calendar);
    }
    return series;
}

// 09:00 on the day `leadDays` before an all-day event, as the program's own
// reminder comes: counted back from the start of the event's day.
QByteArray alarmTrigger(int leadDays)
{
    const QByteArray hours = "T15H"_ba;
    return leadDays == 1 ? "-P"_ba + hours : "-P"_ba + QByteArray::number(leadDays - 1) + 'D' + hours;
}

void addEvent(ContentLines& lines, const Subscription& subscription, const Calendar& calendar, const QByteArray& stamp,
              FormatterCache& cache)
{
    const ChargeSeries series = chargeSeries(subscription, calendar);
    // A damaged record without a date has no day to show.
    if (!series.first.isValid())
        return;
    const QString amount = MoneyFormatter::twoDecimals(subscription.price() * subscription.effectiveShare(),
                                                       subscription.currencyCode(), cache);
    const QByteArray summary = text(subscription.name() + u" · "_s + amount);

    lines.add("BEGIN", "VEVENT");
    lines.add("UID", subscription.id().toString(QUuid::WithoutBraces).toLatin1() + "@tabrino.app");
    lines.add("DTSTAMP", stamp);
    lines.add("DTSTART;VALUE=DATE", dateValue(series.first));
    lines.add("DTEND;VALUE=DATE", dateValue(series.first.addDays(1)));
    if (series.rule)
        lines.add("RRULE", *series.rule);
    if (!series.following.isEmpty()) {
        QByteArrayList dates;
        for (const QDate& date : series.following)
            dates << dateValue(date);
        lines.add("RDATE;VALUE=DATE", dates.join(','));
    }
    lines.add("SUMMARY", summary);
    // Only web pages: the calendar program opens the address when clicked.
    if (const std::optional<QUrl> url = subscription.cancellationUrl(); url && WebAddress::isWebPage(*url))
        lines.add("URL", url->toEncoded());
    lines.add("TRANSP", "TRANSPARENT");
    if (const int lead = subscription.leadDaysForNotification(); subscription.notificationsEnabled() && lead >= 1) {
        lines.add("BEGIN", "VALARM");
        lines.add("ACTION", "DISPLAY");
        lines.add("DESCRIPTION", summary);
        lines.add("TRIGGER", alarmTrigger(lead));
        lines.add("END", "VALARM");
    }
    lines.add("END", "VEVENT");
}

}  // namespace

QByteArray CalendarExport::build(const QList<Subscription*>& subscriptions, const Calendar& calendar,
                                 const QDateTime& now, FormatterCache& cache)
{
    const QByteArray stamp = now.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'"_s).toLatin1();
    ContentLines lines;
    lines.add("BEGIN", "VCALENDAR");
    lines.add("VERSION", "2.0");
    lines.add("PRODID", "-//Tabrino//Renewals//EN");
    lines.add("CALSCALE", "GREGORIAN");
    lines.add("X-WR-CALNAME", "Tabrino Renewals");
    for (const Subscription* subscription : subscriptions) {
        if (subscription && subscription->isActive())
            addEvent(lines, *subscription, calendar, stamp, cache);
    }
    lines.add("END", "VCALENDAR");
    return lines.take();
}

QString CalendarExport::suggestedFileName()
{
    return u"Tabrino Renewals.ics"_s;
}

}  // namespace tabrino
