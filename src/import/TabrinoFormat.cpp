// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/TabrinoFormat.h"

#include "import/RecordFields.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>

namespace tabrino {

namespace {

// The first of the names the CSV and the JSON export give a column.
int columnOf(const RecordTable& table, QStringView json, QStringView csv)
{
    const int column = table.column(json);
    return column >= 0 ? column : table.column(csv);
}

// The share as the JSON export writes it (the stored fraction, shortest
// round-trip digits) or as the CSV does (a whole percentage, "25%").
std::optional<double> shareOf(RecordFields& fields, int column, bool percent)
{
    const std::optional<QString> text = fields.optionalText(column);
    if (!text)
        return std::nullopt;
    const QByteArray digits = (percent && text->endsWith(u'%') ? text->chopped(1) : *text).toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), value);
    if (error != std::errc() || end != digits.cend() || !std::isfinite(value)) {
        //: Why a line of an imported file is not read; %1 is the user's share of a split subscription as
        //: written, quoted: “half”
        fields.fail(
            QCoreApplication::translate("TabrinoFormat", "share %1 is not a number").arg(RecordFields::quoted(*text)));
        return std::nullopt;
    }
    return percent ? value / 100 : value;
}

// CSV cannot tell an empty value from none and the export writes neither;
// JSON leaves out an absent value and keeps an empty one.
std::optional<QString> optionalValue(const RecordFields& fields, int column, bool csv)
{
    if (csv)
        return fields.optionalText(column, true);
    const RecordValue& value = fields.value(column);
    return value.kind == RecordValue::Kind::Text ? std::optional(value.text) : std::nullopt;
}

}  // namespace

bool TabrinoFormat::recognises(const RecordTable& table)
{
    return table.hasColumns({u"billingCycle", u"monthlyCost", u"nextBillingDate", u"dateAdded"});
}

ImportReading TabrinoFormat::read(const RecordTable& table, const ReadingContext& context)
{
    const bool csv = table.syntax == RecordTable::Syntax::Csv;
    const int name = table.column(u"name");
    const int price = table.column(u"price");
    const int currency = table.column(u"currency");
    const int cycle = table.column(u"billingCycle");
    const int next = table.column(u"nextBillingDate");
    const int category = table.column(u"category");
    const int trial = columnOf(table, u"isTrial", u"Trial");
    const int trialEnd = table.column(u"trialEndDate");
    const int shared = columnOf(table, u"isShared", u"Shared");
    const int share = columnOf(table, u"sharePercentage", u"Share %");
    const int paymentMethod = table.column(u"paymentMethod");
    const int notes = table.column(u"notes");
    const int active = columnOf(table, u"isActive", u"Active");
    const int added = table.column(u"dateAdded");

    ImportReading reading;
    //: The kind of an imported file in the import preview: a file Tabrino exported
    reading.format = csv ? QCoreApplication::translate("TabrinoFormat", "Tabrino export (CSV)")
                         : QCoreApplication::translate("TabrinoFormat", "Tabrino export (JSON)");
    reading.columns = table.columns;
    // Tabrino writes instants in UTC with a Z, so the calendar never applies.
    const Calendar& calendar = context.calendar;
    for (const SourceRecord& record : table.records) {
        RecordFields fields(table, record);
        ImportedSubscription subscription;
        subscription.name = fields.name(name, true);
        subscription.price = fields.price(price, DecimalMark::Point).value;
        subscription.currency.code = subscription.currency.written = fields.text(currency);
        if (subscription.currency.code.isEmpty()) {
            //: Why a line of an imported file is not read, after "line 7: "
            fields.fail(QCoreApplication::translate("TabrinoFormat", "the currency is missing"));
        }
        subscription.cycle = fields.cycle(cycle);
        subscription.nextBillingDate = fields.date(next, DateOrder::DayFirst, calendar);
        subscription.category = fields.category(category);
        subscription.isTrial = fields.flag(trial).value_or(false);
        subscription.trialEndDate = fields.optionalDate(trialEnd, DateOrder::DayFirst, calendar);
        subscription.isShared = fields.flag(shared).value_or(false);
        subscription.sharePercentage = shareOf(fields, share, csv);
        subscription.paymentMethod = optionalValue(fields, paymentMethod, csv);
        subscription.notes = optionalValue(fields, notes, csv);
        subscription.isActive = fields.flag(active).value_or(true);
        subscription.dateAdded = fields.date(added, DateOrder::DayFirst, calendar);
        fields.addTo(reading, std::move(subscription));
    }
    return reading;
}

}  // namespace tabrino
