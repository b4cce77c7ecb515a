// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/WallosFormat.h"

#include "import/RecordFields.h"

#include <QCoreApplication>

namespace tabrino {

bool WallosFormat::recognises(const RecordTable& table)
{
    return table.hasColumns({u"Payment Cycle", u"Next Payment"});
}

ImportReading WallosFormat::read(const RecordTable& table, const ReadingContext& context)
{
    const int name = table.column(u"Name");
    const int cycle = table.column(u"Payment Cycle");
    const int next = table.column(u"Next Payment");
    const int category = table.column(u"Category");
    const int price = table.column(u"Price");
    const int currency = table.column(u"Currency");
    const int paymentMethod = table.column(u"Payment Method");
    const int notes = table.column(u"Notes");
    const int url = table.column(u"URL");
    const int state = table.column(u"State") >= 0 ? table.column(u"State") : table.column(u"Active");

    ImportReading reading;
    //: The kind of an imported file in the import preview: a file Wallos exported
    reading.format = table.syntax == RecordTable::Syntax::Csv
        ? QCoreApplication::translate("WallosFormat", "Wallos export (CSV)")
        : QCoreApplication::translate("WallosFormat", "Wallos export (JSON)");
    reading.columns = table.columns;
    const DecimalMark mark = AmountText::markOf(table.valuesOf(price), context.decimalMark);
    for (const SourceRecord& record : table.records) {
        RecordFields fields(table, record);
        ImportedSubscription subscription;
        subscription.name = fields.name(name);
        fields.price(subscription, price, currency, mark, context.userCurrency);
        subscription.cycle = fields.cycle(cycle);
        subscription.nextBillingDate = fields.date(next, context.dateOrder, context.calendar);
        subscription.category = fields.category(category);
        subscription.paymentMethod = fields.optionalText(paymentMethod);
        subscription.notes = fields.optionalText(notes);
        subscription.cancellationUrl = fields.optionalText(url);
        subscription.isActive = fields.flag(state).value_or(true);
        fields.addTo(reading, std::move(subscription));
    }
    return reading;
}

}  // namespace tabrino
