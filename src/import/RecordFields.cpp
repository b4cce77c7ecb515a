// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/RecordFields.h"

#include "import/CategoryText.h"
#include "import/CycleText.h"
#include "import/FlagText.h"
#include "import/ImportLimits.h"

#include <QLocale>

namespace tabrino {

namespace {

const RecordValue& missing()
{
    static const RecordValue value;
    return value;
}

}  // namespace

RecordFields::RecordFields(const RecordTable& table, const SourceRecord& record)
    : m_table(table)
    , m_record(record)
    , m_problem(record.problem)
{
}

const RecordValue& RecordFields::value(int column) const
{
    return column >= 0 && column < m_record.values.size() ? m_record.values.at(column) : missing();
}

QString RecordFields::text(int column) const
{
    return value(column).text.trimmed();
}

std::optional<QString> RecordFields::optionalText(int column, bool exact) const
{
    const RecordValue& found = value(column);
    if (found.isBlank())
        return std::nullopt;
    return exact ? found.text : found.text.trimmed();
}

QString RecordFields::quoted(const QString& text)
{
    constexpr int kLongest = 40;
    const QString shown = text.size() > kLongest ? text.left(kLongest - 1) + u'…' : text;
    //: Quotation marks around a value as the imported file writes it; use your language's own marks
    return tr("“%1”").arg(shown);
}

void RecordFields::fail(const QString& reason)
{
    if (m_problem.isEmpty())
        m_problem = reason;
}

void RecordFields::note(const QString& note)
{
    m_notes << note;
}

QString RecordFields::name(int column, bool exact)
{
    const RecordValue& found = value(column);
    if (found.isBlank()) {
        //: Why a line of an imported file is not read, after "line 7: "
        fail(tr("the name is missing"));
        return {};
    }
    return exact ? found.text : found.text.trimmed();
}

AmountText::Result RecordFields::price(int column, DecimalMark mark)
{
    const QString written = text(column);
    const AmountText::Result result = AmountText::read(written, mark);
    switch (result.problem) {
    case AmountText::Problem::None: break;
    case AmountText::Problem::Empty: fail(tr("the price is missing")); break;
    case AmountText::Problem::NotANumber:
        //: Why a line of an imported file is not read; %1 is the price as written, quoted: “abc”
        fail(tr("price %1 is not a number").arg(quoted(written)));
        break;
    case AmountText::Problem::Formula:
        //: Why a line of an imported file is not read; %1 is the price as written, quoted: “=A1*2”
        fail(tr("price %1 is a formula, not a number").arg(quoted(written)));
        break;
    case AmountText::Problem::Negative:
        //: Why a line of an imported file is not read; %1 is the price as written, quoted
        fail(tr("price %1 is negative").arg(quoted(written)));
        break;
    case AmountText::Problem::TooLarge:
        //: Why a line of an imported file is not read; %1 is the price as written, quoted, %2 the highest price taken
        fail(tr("price %1 is above %2").arg(quoted(written), QLocale().toString(ImportLimits::kMaxPrice)));
        break;
    }
    return result;
}

void RecordFields::price(ImportedSubscription& subscription, int price, int currency, DecimalMark mark,
                         const QString& userCurrency)
{
    const AmountText::Result amount = this->price(price, mark);
    subscription.price = amount.value;
    const QString written = text(currency);
    subscription.currency = CurrencySymbols::resolve(written.isEmpty() ? amount.currency : written, userCurrency);
}

QString RecordFields::dateProblem(DateText::Problem problem, const QString& text) const
{
    switch (problem) {
    case DateText::Problem::None: return {};
    case DateText::Problem::Empty: return tr("the next billing date is missing");
    //: Why a line of an imported file is not read; %1 is the date as written, quoted: “soon”
    case DateText::Problem::NotADate: return tr("date %1 is not a date").arg(quoted(text));
    //: Why a line of an imported file is not read; %1 is the date as written, quoted: “2025-02-30”
    case DateText::Problem::NoSuchDate: return tr("date %1 does not exist").arg(quoted(text));
    //: Why a line of an imported file is not read; %1 is the date as written, quoted: “1/1/12025”
    case DateText::Problem::OutOfRange: return tr("date %1 is out of range").arg(quoted(text));
    }
    return {};
}

QDateTime RecordFields::date(int column, DateOrder order, const Calendar& calendar)
{
    const QString written = text(column);
    const DateText::Result result = DateText::read(written, order, calendar);
    fail(dateProblem(result.problem, written));
    return result.instant;
}

std::optional<QDateTime> RecordFields::optionalDate(int column, DateOrder order, const Calendar& calendar)
{
    if (value(column).isBlank())
        return std::nullopt;
    return date(column, order, calendar);
}

BillingCycle RecordFields::cycle(int column)
{
    const QString written = text(column);
    if (written.isEmpty()) {
        fail(tr("the billing cycle is missing"));
        return BillingCycle::monthly();
    }
    const std::optional<CycleText::Reading> reading = CycleText::read(written);
    if (!reading) {
        //: Why a line of an imported file is not read; %1 is the billing cycle as written, quoted: “sometimes”
        fail(tr("cycle %1 is not a billing period").arg(quoted(written)));
        return BillingCycle::monthly();
    }
    if (reading->approximate) {
        //: How an imported value without an exact match was read; %1 is the billing cycle as written, quoted,
        //: %2 the name of the cycle taken instead: "cycle “Every 2 Months” taken as Every 61 days"
        note(tr("cycle %1 taken as %2").arg(quoted(written), reading->cycle.localizedName()));
    }
    return reading->cycle;
}

std::optional<SubscriptionCategory> RecordFields::category(int column)
{
    const QString written = text(column);
    if (written.isEmpty())
        return std::nullopt;
    const CategoryText::Reading reading = CategoryText::read(written);
    if (reading.approximate) {
        //: How an imported value without an exact match was read; %1 is the category as written, quoted,
        //: %2 the name of the category taken instead: "category “News & Magazines” taken as News"
        note(tr("category %1 taken as %2").arg(quoted(written), reading.category.localizedName()));
    }
    return reading.category;
}

std::optional<bool> RecordFields::flag(int column)
{
    if (value(column).isBlank())
        return std::nullopt;
    const std::optional<bool> flag = FlagText::read(text(column));
    if (!flag) {
        //: Why a line of an imported file is not read; %1 is the file's column name, %2 its value as
        //: written, quoted: "Trial: “maybe” is not yes or no"
        fail(tr("%1: %2 is not yes or no").arg(m_table.columns.value(column), quoted(text(column))));
    }
    return flag;
}

void RecordFields::addTo(ImportReading& reading, ImportedSubscription subscription) const
{
    if (failed())
        reading.errors << ImportReading::LineError{m_record.line, m_problem};
    else
        reading.rows << ImportReading::Row{m_record.line, std::move(subscription), m_notes};
}

}  // namespace tabrino
