// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/importing/ImportPreview.h"

#include "format/MoneyFormatter.h"
#include "format/RelativeDateText.h"
#include "foundation/SystemLocale.h"
#include "import/ImportApplier.h"
#include "import/ImportMatching.h"
#include "settings/AppSettings.h"
#include "ui/editing/EditingChoices.h"

#include <QFileInfo>

#include <algorithm>

namespace tabrino {

namespace {

QString promptFor(ImportReading::Field field)
{
    // Asked about a spreadsheet whose column names say too little; the
    // answers are the file's column names.
    switch (field) {
    case ImportReading::Field::Name: return ImportPreview::tr("Which column holds the names?");
    case ImportReading::Field::Price: return ImportPreview::tr("Which column holds the prices?");
    case ImportReading::Field::Cycle: return ImportPreview::tr("Which column holds the billing cycles?");
    case ImportReading::Field::NextDate: return ImportPreview::tr("Which column holds the next billing dates?");
    default: return {};
    }
}

// What a field without a column stands for.
QString noColumnFor(ImportReading::Field field)
{
    if (field == ImportReading::Field::Cycle) {
        //: The last answer to "Which column holds the billing cycles?": no column, each subscription is monthly
        return ImportPreview::tr("None: every month");
    }
    //: The last answer to "Which column holds the next billing dates?": no column, each renews today
    return ImportPreview::tr("None: renews today");
}

}  // namespace

ImportPreview::ImportPreview(QObject* parent) : QObject(parent), m_rows(this), m_questions(this)
{
}

void ImportPreview::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    m_store = store;
    Q_EMIT storeChanged();
    read();
}

void ImportPreview::setFile(const QUrl& file)
{
    if (m_file == file)
        return;
    m_file = file;
    Q_EMIT fileChanged();
    read();
}

QString ImportPreview::fileName() const
{
    return QFileInfo(m_file.toLocalFile()).fileName();
}

void ImportPreview::read()
{
    if (!m_store || m_file.isEmpty())
        return;
    // Only the settings' dialog sets the file, and it answers with local files.
    m_document = ImportDocument::fromFile(m_file.toLocalFile());
    m_context = ReadingContext::forUser(m_store->currentCalendar(), m_store->settings().defaultCurrencyCode());
    m_currencyAnswers.clear();
    m_dateTexts.clear();
    update();
}

void ImportPreview::load(QByteArrayView bytes, const ReadingContext& context)
{
    m_document = ImportDocument::fromBytes(bytes);
    m_context = context;
    m_currencyAnswers.clear();
    m_dateTexts.clear();
    update();
}

void ImportPreview::update()
{
    m_reading = m_context ? m_document.read(*m_context) : ImportReading();
    m_currencyQuestions.clear();
    for (ImportReading::Row& row : m_reading.rows) {
        ImportedCurrency& currency = row.subscription.currency;
        if (currency.isResolved())
            continue;
        const bool asked = std::any_of(m_currencyQuestions.cbegin(), m_currencyQuestions.cend(),
                                       [&](const CurrencyQuestion& q) { return q.written == currency.written; });
        // A symbol no country writes could be any currency: the usual ones are offered.
        if (!asked) {
            m_currencyQuestions << CurrencyQuestion{currency.written,
                                                    currency.candidates.isEmpty() ? EditingChoices::currencyCodes()
                                                                                  : currency.candidates};
        }
        currency.code = m_currencyAnswers.value(currency.written);
    }
    m_matches = m_store ? ImportMatching::match(m_reading.rows, m_store->active() + m_store->archived())
                        : QList<Subscription*>(m_reading.rows.size(), nullptr);

    QList<ImportRowsModel::Row> shown;
    for (const bool tracked : {false, true}) {
        for (qsizetype i = 0; i < m_reading.rows.size(); ++i) {
            if (isTracked(i) != tracked)
                continue;
            const ImportReading::Row& row = m_reading.rows.at(i);
            shown << ImportRowsModel::Row{row.line, tracked ? QStringLiteral("tracked") : QStringLiteral("new"),
                                          row.subscription.name, detailOf(row.subscription), row.notes.join(u"; ")};
        }
    }
    for (const ImportReading::LineError& error : std::as_const(m_reading.errors))
        shown << ImportRowsModel::Row{error.line, QStringLiteral("unreadable"), error.text(), {}, {}};
    m_rows.setRows(shown);
    m_questions.setQuestions(questionList());
    Q_EMIT previewChanged();
}

QString ImportPreview::detailOf(const ImportedSubscription& subscription)
{
    QStringList parts;
    parts << (subscription.currency.isResolved()
                  ? MoneyFormatter::plain(subscription.price, subscription.currency.code)
                  : subscription.price.toString() + u' ' + subscription.currency.written);
    parts << subscription.cycle.localizedName();
    // A file's rows share few dates, and writing one costs an ICU formatter.
    auto date = m_dateTexts.constFind(subscription.nextBillingDate);
    if (date == m_dateTexts.cend()) {
        date = m_dateTexts.insert(subscription.nextBillingDate,
                                  RelativeDateText::withSkeleton(subscription.nextBillingDate, u"yMMMd",
                                                                 m_context->calendar, SystemLocale::timeLocaleId()));
    }
    //: In a row of the import preview, after the price and cycle; %1 is the next billing date
    parts << tr("next %1").arg(*date);
    if (subscription.isTrial.value_or(false)) {
        //: In a row of the import preview: the subscription is a free trial
        parts << tr("trial");
    }
    if (!subscription.isActive) {
        //: In a row of the import preview: the subscription has ended and is imported as archived
        parts << tr("archived");
    }
    return parts.join(u" · ");
}

QList<ImportQuestionsModel::Question> ImportPreview::questionList() const
{
    QList<ImportQuestionsModel::Question> result;
    for (const ImportReading::ColumnQuestion& column : m_reading.questions) {
        QStringList choices = m_reading.columns;
        if (!column.required)
            choices << noColumnFor(column.field);
        const int selected = column.column >= 0 ? column.column : (column.required ? -1 : int(choices.size() - 1));
        result << ImportQuestionsModel::Question{promptFor(column.field), choices, selected};
    }
    for (const CurrencyQuestion& currency : m_currencyQuestions) {
        //: Asked when a file writes amounts with a symbol several currencies share; %1 is the symbol: "$"
        result << ImportQuestionsModel::Question{
            tr("Which currency is “%1”?").arg(currency.written), currency.choices,
            int(currency.choices.indexOf(m_currencyAnswers.value(currency.written)))};
    }
    return result;
}

void ImportPreview::answer(int question, int choice)
{
    if (!m_context || question < 0 || choice < 0)
        return;
    if (question < m_reading.questions.size()) {
        const ImportReading::ColumnQuestion& column = m_reading.questions.at(question);
        m_context->chosenColumns.insert(column.field, choice < m_reading.columns.size() ? choice : -1);
    } else {
        const qsizetype index = question - m_reading.questions.size();
        if (index >= m_currencyQuestions.size() || choice >= m_currencyQuestions.at(index).choices.size())
            return;
        const CurrencyQuestion& currency = m_currencyQuestions.at(index);
        m_currencyAnswers.insert(currency.written, currency.choices.at(choice));
    }
    update();
}

QVariantMap ImportPreview::sectionTitles() const
{
    //: Heading of the import preview's subscriptions that are not tracked yet, with their count
    const QString newTitle = tr("New (%Ln)", nullptr, newCount());
    const QString trackedTitle = m_updatesTracked
        //: Heading of the import preview's subscriptions already tracked, which the import updates, with their count
        ? tr("Will be updated (%Ln)", nullptr, trackedCount())
        //: Heading of the import preview's subscriptions already tracked, which the import leaves as they are,
        //: with their count
        : tr("Will be skipped (%Ln)", nullptr, trackedCount());
    //: Heading of the import preview's lines that cannot be read, with their count
    const QString unreadableTitle = tr("Can't be read (%Ln)", nullptr, unreadableCount());
    return {{QStringLiteral("new"), newTitle},
            {QStringLiteral("tracked"), trackedTitle},
            {QStringLiteral("unreadable"), unreadableTitle}};
}

int ImportPreview::newCount() const
{
    return int(std::count(m_matches.cbegin(), m_matches.cend(), nullptr));
}

int ImportPreview::trackedCount() const
{
    return int(m_matches.size()) - newCount();
}

QString ImportPreview::summary() const
{
    // Each count stands alone, so the counts list in any order with " · ".
    QStringList parts;
    if (newCount() > 0) {
        //: A count in the import preview's summary: subscriptions not tracked yet
        parts << tr("%Ln new", nullptr, newCount());
    }
    if (trackedCount() > 0) {
        //: A count in the import preview's summary: subscriptions the file holds that are tracked already
        parts << tr("%Ln already tracked", nullptr, trackedCount());
    }
    if (unreadableCount() > 0) {
        //: A count in the import preview's summary: lines of the file that cannot be read
        parts << tr("%Ln can't be read", nullptr, unreadableCount());
    }
    if (parts.isEmpty())
        return m_reading.format;
    //: The import preview's summary; %1 is the kind of file ("Wallos export (JSON)"), %2 its counts
    //: ("4 new · 1 already tracked")
    return tr("%1: %2").arg(m_reading.format, parts.join(u" · "));
}

void ImportPreview::setUpdatesTracked(bool updates)
{
    if (m_updatesTracked == updates)
        return;
    m_updatesTracked = updates;
    Q_EMIT previewChanged();
}

QString ImportPreview::waitingFor() const
{
    if (m_reading.isRefused())
        return {};
    const bool columnsMissing = std::any_of(
        m_reading.questions.cbegin(), m_reading.questions.cend(),
        [](const ImportReading::ColumnQuestion& question) { return question.required && question.column < 0; });
    if (columnsMissing) {
        //: Why the import button is disabled: the questions about columns are not answered
        return tr("Choose the columns that hold the names and prices.");
    }
    for (const CurrencyQuestion& currency : m_currencyQuestions) {
        if (!m_currencyAnswers.contains(currency.written)) {
            //: Why the import button is disabled; %1 is a currency symbol several currencies share: "$"
            return tr("Choose which currency “%1” is.").arg(currency.written);
        }
    }
    if (newCount() == 0 && (trackedCount() == 0 || !m_updatesTracked)) {
        return trackedCount() > 0 ? tr("Everything in the file is tracked already.")
                                  : tr("Nothing in the file can be imported.");
    }
    return {};
}

bool ImportPreview::canImport() const
{
    return m_store && !m_reading.isRefused() && waitingFor().isEmpty();
}

QString ImportPreview::importLabel() const
{
    const int updated = m_updatesTracked ? trackedCount() : 0;
    if (newCount() > 0 && updated > 0) {
        //: The import button: adds %Ln new subscriptions and updates %L1 tracked ones
        return tr("Import %Ln and update %L1", nullptr, newCount()).arg(updated);
    }
    if (updated > 0) {
        //: The import button: updates %Ln tracked subscriptions from the file
        return tr("Update %Ln", nullptr, updated);
    }
    if (newCount() > 0) {
        //: The import button: adds %Ln new subscriptions
        return tr("Import %Ln", nullptr, newCount());
    }
    //: The import button while there is nothing to import
    return tr("Import");
}

bool ImportPreview::apply()
{
    if (!canImport())
        return false;
    QList<ImportedSubscription> additions;
    QList<ImportApplier::Update> updates;
    for (qsizetype i = 0; i < m_reading.rows.size(); ++i) {
        const ImportedSubscription& subscription = m_reading.rows.at(i).subscription;
        if (!isTracked(i))
            additions << subscription;
        else if (m_updatesTracked)
            updates << ImportApplier::Update{subscription, m_matches.at(i)};
    }
    setError(ImportApplier::apply(additions, updates, *m_store));
    if (!m_error.isEmpty())
        return false;
    Q_EMIT imported();
    return true;
}

void ImportPreview::setError(const QString& error)
{
    if (m_error == error)
        return;
    m_error = error;
    Q_EMIT errorChanged();
}

}  // namespace tabrino
