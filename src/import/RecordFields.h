// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/AmountText.h"
#include "import/DateText.h"
#include "import/ImportReading.h"
#include "import/RecordTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tabrino {

// One record's values as a format reads them, column by column (-1 for a
// column the file lacks). Keeps the first reason the record cannot be
// imported, worded for the preview ("price “abc” is not a number"), and a
// note for each value read as the nearest thing Tabrino has.
class RecordFields {
    Q_DECLARE_TR_FUNCTIONS(RecordFields)

public:
    RecordFields(const RecordTable& table, const SourceRecord& record);

    // The value without surrounding white space; empty when missing.
    QString text(int column) const;
    // Absent when blank or missing; `exact` keeps surrounding white space.
    std::optional<QString> optionalText(int column, bool exact = false) const;
    const RecordValue& value(int column) const;

    // Each of these records a problem when the value cannot be read and
    // returns a stand-in the caller drops with the record.
    QString name(int column, bool exact = false);
    AmountText::Result price(int column, DecimalMark mark);
    // The price and its currency into `subscription`: the currency column's
    // text where it has one, else what is written beside the amount,
    // resolved for the user's currency.
    void price(ImportedSubscription& subscription, int price, int currency, DecimalMark mark,
               const QString& userCurrency);
    QDateTime date(int column, DateOrder order, const Calendar& calendar);
    std::optional<QDateTime> optionalDate(int column, DateOrder order, const Calendar& calendar);
    BillingCycle cycle(int column);
    // Absent when blank.
    std::optional<SubscriptionCategory> category(int column);
    std::optional<bool> flag(int column);

    void fail(const QString& reason);
    void note(const QString& note);
    bool failed() const { return !m_problem.isEmpty(); }

    // The record as a row of `reading`, or as a line error when it failed.
    void addTo(ImportReading& reading, ImportedSubscription subscription) const;

    // A value as the preview quotes it: single quotes, long ones cut.
    static QString quoted(const QString& text);

private:
    QString dateProblem(DateText::Problem problem, const QString& text) const;

    const RecordTable& m_table;
    const SourceRecord& m_record;
    QString m_problem;
    QStringList m_notes;
};

}  // namespace tabrino
