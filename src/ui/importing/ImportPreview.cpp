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
    return field == ImportReading::Field::Cycle ? ImportPreview::tr("None: every month")
                                                : ImportPreview::tr("None: renews today");
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
    parts << subscription.cycle.displayName();
    // A file's rows share few dates, and writing one costs an ICU formatter.
    auto date = m_dateTexts.constFind(subscription.nextBillingDate);
    if (date == m_dateTexts.cend()) {
        date = m_dateTexts.insert(subscription.nextBillingDate,
                                  RelativeDateText::withSkeleton(subscription.nextBillingDate, u"yMMMd",
                                                                 m_context->calendar, SystemLocale::timeLocaleId()));
    }
    parts << tr("next %1").arg(*date);
    if (subscription.isTrial.value_or(false))
        parts << tr("trial");
    if (!subscription.isActive)
        parts << tr("archived");
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
    return {{QStringLiteral("new"), tr("New (%1)").arg(newCount())},
            {QStringLiteral("tracked"),
             (m_updatesTracked ? tr("Will be updated (%1)") : tr("Will be skipped (%1)")).arg(trackedCount())},
            {QStringLiteral("unreadable"), tr("Can't be read (%1)").arg(unreadableCount())}};
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
    QStringList parts;
    if (newCount() > 0)
        parts << tr("%1 new").arg(newCount());
    if (trackedCount() > 0)
        parts << tr("%1 already tracked").arg(trackedCount());
    if (unreadableCount() > 0)
        parts << tr("%1 can't be read").arg(unreadableCount());
    if (parts.isEmpty())
        return m_reading.format;
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
    if (columnsMissing)
        return tr("Choose the columns that hold the names and prices.");
    for (const CurrencyQuestion& currency : m_currencyQuestions) {
        if (!m_currencyAnswers.contains(currency.written))
            return tr("Choose which currency “%1” is.").arg(currency.written);
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
    if (newCount() > 0 && updated > 0)
        return tr("Import %1 and update %2").arg(newCount()).arg(updated);
    if (updated > 0)
        return tr("Update %1").arg(updated);
    return newCount() > 0 ? tr("Import %1").arg(newCount()) : tr("Import");
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
