// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/SpreadsheetFormat.h"

#include "import/RecordFields.h"

#include <QSet>

namespace tabrino {

namespace {

using Field = ImportReading::Field;

struct FieldNames {
    Field field;
    // Whole column names that fit, then parts of names that do.
    std::initializer_list<const char16_t*> names;
    std::initializer_list<const char16_t*> parts;
};

// In the order fields claim columns: "Next renewal" is a date before it
// can be a cycle, "Monthly cost" a price before anything else.
const FieldNames kFieldNames[] = {
    {Field::Name, {u"name", u"service", u"subscription", u"title", u"provider", u"product"}, {u"name", u"service"}},
    {Field::Price, {u"price", u"cost", u"amount", u"fee", u"charge"}, {u"price", u"cost", u"amount"}},
    {Field::Currency, {u"currency", u"curr", u"ccy"}, {u"currency"}},
    {Field::NextDate,
     {u"date", u"due", u"renews", u"renewal"},
     {u"next", u"renewal", u"due", u"renews", u"billingdate", u"paymentdate"}},
    {Field::Cycle,
     {u"cycle", u"frequency", u"period", u"interval", u"billing", u"recurrence", u"every"},
     {u"cycle", u"frequency", u"period", u"interval"}},
    {Field::Category, {u"category", u"type", u"group", u"tag"}, {u"category"}},
    {Field::Url, {u"url", u"website", u"link", u"web", u"homepage"}, {u"url", u"website"}},
    {Field::Notes, {u"notes", u"note", u"comment", u"comments", u"description", u"memo"}, {u"note", u"comment"}},
};

}  // namespace

QHash<Field, int> SpreadsheetFormat::guessColumns(const QStringList& columns)
{
    QStringList names;
    for (const QString& column : columns)
        names << RecordTable::normalised(column);
    QHash<Field, int> chosen;
    QSet<int> taken;
    const auto claim = [&](Field field, auto fits) {
        for (int i = 0; i < names.size() && !chosen.contains(field); ++i) {
            if (!taken.contains(i) && !names.at(i).isEmpty() && fits(names.at(i))) {
                chosen.insert(field, i);
                taken.insert(i);
            }
        }
    };
    for (const FieldNames& field : kFieldNames) {
        for (const char16_t* name : field.names)
            claim(field.field, [name](const QString& column) { return column == QStringView(name); });
    }
    for (const FieldNames& field : kFieldNames) {
        for (const char16_t* part : field.parts)
            claim(field.field, [part](const QString& column) { return column.contains(QStringView(part)); });
    }
    return chosen;
}

ImportReading SpreadsheetFormat::read(const RecordTable& table, const ReadingContext& context)
{
    const QHash<Field, int> guessed = guessColumns(table.columns);
    const auto columnOf = [&](Field field) { return context.chosenColumns.value(field, guessed.value(field, -1)); };
    ImportReading reading;
    //: The kind of an imported file in the import preview, before its counts: "Spreadsheet (CSV): 4 new"
    reading.format =
        table.syntax == RecordTable::Syntax::Csv ? tr("Spreadsheet (CSV)") : tr("List of subscriptions (JSON)");
    reading.columns = table.columns;
    for (Field field : {Field::Name, Field::Price, Field::Cycle, Field::NextDate}) {
        if (!guessed.contains(field)) {
            const bool required = field == Field::Name || field == Field::Price;
            reading.questions << ImportReading::ColumnQuestion{field, required, columnOf(field)};
        }
    }
    const int name = columnOf(Field::Name);
    const int price = columnOf(Field::Price);
    if (name < 0 || price < 0)
        return reading;  // nothing reads until the person says where names and prices are
    const int currency = columnOf(Field::Currency);
    const int cycle = columnOf(Field::Cycle);
    const int next = columnOf(Field::NextDate);
    const int category = columnOf(Field::Category);
    const int url = columnOf(Field::Url);
    const int notes = columnOf(Field::Notes);

    const DecimalMark mark = AmountText::markOf(table.valuesOf(price), context.decimalMark);
    const DateOrder order = DateText::orderOf(table.valuesOf(next), context.dateOrder);
    const QDateTime today = context.calendar.startOfDay(context.now);
    for (const SourceRecord& record : table.records) {
        RecordFields fields(table, record);
        ImportedSubscription subscription;
        subscription.name = fields.name(name);
        fields.price(subscription, price, currency, mark, context.userCurrency);
        subscription.cycle = cycle >= 0 ? fields.cycle(cycle) : BillingCycle::monthly();
        subscription.nextBillingDate = next >= 0 ? fields.date(next, order, context.calendar) : today;
        subscription.category = fields.category(category);
        subscription.cancellationUrl = fields.optionalText(url);
        subscription.notes = fields.optionalText(notes);
        fields.addTo(reading, std::move(subscription));
    }
    return reading;
}

}  // namespace tabrino
