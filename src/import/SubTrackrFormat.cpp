// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/SubTrackrFormat.h"

#include "import/CycleText.h"
#include "import/RecordFields.h"

namespace tabrino {

namespace {

BillingCycle scheduleOf(RecordFields& fields, int schedule, int interval)
{
    const QString written = fields.text(schedule);
    const std::optional<CycleText::Period> period = CycleText::period(written);
    if (!period) {
        if (written.isEmpty()) {
            //: Why a line of an imported SubTrackr file is not read, after "line 7: "
            fields.fail(SubTrackrFormat::tr("the schedule is missing"));
        } else {
            //: Why a line of an imported SubTrackr file is not read, after "line 7: "; %1 is the schedule as
            //: written, quoted: “Sometimes”
            fields.fail(SubTrackrFormat::tr("schedule %1 is not a billing period").arg(RecordFields::quoted(written)));
        }
        return BillingCycle::monthly();
    }
    const QString repeat = fields.text(interval);
    bool isNumber = repeat.isEmpty();
    const qint64 every = repeat.isEmpty() ? 1 : repeat.toLongLong(&isNumber);
    const std::optional<CycleText::Reading> reading =
        isNumber ? CycleText::fromUnits(period->unit, period->count * every) : std::nullopt;
    if (!reading) {
        //: Why a line of an imported SubTrackr file is not read; %1 is the interval as written, quoted: “1.5”
        fields.fail(SubTrackrFormat::tr("schedule interval %1 is not a whole number of periods")
                        .arg(RecordFields::quoted(repeat)));
        return BillingCycle::monthly();
    }
    if (reading->approximate) {
        //: How an imported SubTrackr schedule without an exact match was read; %1 is the schedule as written,
        //: quoted, %2 its interval, %3 the name of the cycle taken instead:
        //: "schedule “Monthly” every 2 taken as Every 61 days"
        fields.note(SubTrackrFormat::tr("schedule %1 every %2 taken as %3")
                        .arg(RecordFields::quoted(written), repeat, reading->cycle.localizedName()));
    }
    return reading->cycle;
}

// Active and trial subscriptions are tracked; paused, cancelled and
// expired ones archived.
void readStatus(RecordFields& fields, int status, ImportedSubscription& subscription)
{
    const QString written = fields.text(status).toLower();
    if (written.isEmpty() || written == u"active")
        return;
    if (written == u"trial" || written == u"trialing") {
        subscription.isTrial = true;
        return;
    }
    for (const char16_t* ended : {u"paused", u"cancelled", u"canceled", u"inactive", u"expired", u"ended"}) {
        if (written == QStringView(ended)) {
            subscription.isActive = false;
            return;
        }
    }
    //: Why a line of an imported SubTrackr file is not read; %1 is the status as written, quoted: “Frozen”
    fields.fail(
        SubTrackrFormat::tr("status %1 is not one Tabrino knows").arg(RecordFields::quoted(fields.text(status))));
}

}  // namespace

bool SubTrackrFormat::recognises(const RecordTable& table)
{
    return table.hasColumns({u"Schedule", u"Renewal Date"});
}

ImportReading SubTrackrFormat::read(const RecordTable& table, const ReadingContext& context)
{
    const int name = table.column(u"Name");
    const int category = table.column(u"Category");
    const int cost = table.column(u"Cost");
    const int currency = table.column(u"Currency");
    const int schedule = table.column(u"Schedule");
    const int interval = table.column(u"Schedule Interval");
    const int status = table.column(u"Status");
    const int paymentMethod = table.column(u"Payment Method");
    const int start = table.column(u"Start Date");
    const int renewal = table.column(u"Renewal Date");
    const int url = table.column(u"URL");
    const int notes = table.column(u"Notes");

    ImportReading reading;
    //: The kind of an imported file in the import preview: a file SubTrackr exported
    reading.format =
        table.syntax == RecordTable::Syntax::Csv ? tr("SubTrackr export (CSV)") : tr("SubTrackr export (JSON)");
    reading.columns = table.columns;
    const DecimalMark mark = AmountText::markOf(table.valuesOf(cost), DecimalMark::Point);
    const DateOrder order = DateText::orderOf(table.valuesOf(renewal), context.dateOrder);
    for (const SourceRecord& record : table.records) {
        RecordFields fields(table, record);
        ImportedSubscription subscription;
        subscription.name = fields.name(name);
        fields.price(subscription, cost, currency, mark, context.userCurrency);
        subscription.cycle = scheduleOf(fields, schedule, interval);
        readStatus(fields, status, subscription);
        subscription.nextBillingDate = fields.date(renewal, order, context.calendar);
        subscription.startDate = fields.optionalDate(start, order, context.calendar);
        subscription.category = fields.category(category);
        subscription.paymentMethod = fields.optionalText(paymentMethod);
        subscription.cancellationUrl = fields.optionalText(url);
        subscription.notes = fields.optionalText(notes);
        fields.addTo(reading, std::move(subscription));
    }
    return reading;
}

}  // namespace tabrino
