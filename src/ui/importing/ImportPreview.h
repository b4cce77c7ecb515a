// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportDocument.h"
#include "import/ImportReading.h"
#include "import/ReadingContext.h"
#include "store/SubscriptionStore.h"
#include "ui/importing/ImportQuestionsModel.h"
#include "ui/importing/ImportRowsModel.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tabrino {

// The import screen's rules: it reads the chosen file once, then shows what
// an import would do (new subscriptions, ones already tracked, lines that
// cannot be read), asks what only the person can answer (which currency a
// shared symbol means, which column holds what), and on `apply` writes what
// was accepted in one save. Nothing is written before that.
class ImportPreview : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    // The chosen file, read as soon as the store is set too. The user's
    // currency is the store's settings'.
    Q_PROPERTY(QUrl file READ file WRITE setFile NOTIFY fileChanged)
    Q_PROPERTY(QString fileName READ fileName NOTIFY fileChanged)
    // Why the file cannot be imported at all; empty when it can.
    Q_PROPERTY(QString refusal READ refusal NOTIFY previewChanged)
    // "Wallos export (JSON)".
    Q_PROPERTY(QString format READ format NOTIFY previewChanged)
    // "Wallos export (JSON): 4 new · 1 already tracked · 2 can't be read".
    Q_PROPERTY(QString summary READ summary NOTIFY previewChanged)
    Q_PROPERTY(tabrino::ImportRowsModel* rows READ rows CONSTANT)
    // Which column holds what, which currency a symbol means.
    Q_PROPERTY(tabrino::ImportQuestionsModel* questions READ questions CONSTANT)
    // The rows' group headings by group: "New (4)", "Will be skipped (1)",
    // "Can't be read (2)".
    Q_PROPERTY(QVariantMap sectionTitles READ sectionTitles NOTIFY previewChanged)
    Q_PROPERTY(int newCount READ newCount NOTIFY previewChanged)
    Q_PROPERTY(int trackedCount READ trackedCount NOTIFY previewChanged)
    Q_PROPERTY(int unreadableCount READ unreadableCount NOTIFY previewChanged)
    // Subscriptions already tracked are skipped unless the person asks to
    // update them from the file.
    Q_PROPERTY(bool updatesTracked READ updatesTracked WRITE setUpdatesTracked NOTIFY previewChanged)
    Q_PROPERTY(bool canImport READ canImport NOTIFY previewChanged)
    // "Import 4", "Import 4 and update 1", "Update 1".
    Q_PROPERTY(QString importLabel READ importLabel NOTIFY previewChanged)
    // What must happen before the import can run; empty when it can.
    Q_PROPERTY(QString waitingFor READ waitingFor NOTIFY previewChanged)
    // Why the last import was not saved; empty otherwise.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    explicit ImportPreview(QObject* parent = nullptr);

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    QUrl file() const { return m_file; }
    void setFile(const QUrl& file);
    QString fileName() const;

    QString refusal() const { return m_reading.refusal; }
    QString format() const { return m_reading.format; }
    QString summary() const;
    ImportRowsModel* rows() { return &m_rows; }
    ImportQuestionsModel* questions() { return &m_questions; }
    QVariantMap sectionTitles() const;
    int newCount() const;
    int trackedCount() const;
    int unreadableCount() const { return int(m_reading.errors.size()); }
    bool updatesTracked() const { return m_updatesTracked; }
    void setUpdatesTracked(bool updates);
    bool canImport() const;
    QString importLabel() const;
    QString waitingFor() const;
    QString error() const { return m_error; }

    // Reads `bytes` as if chosen from a file, with `context` standing for
    // the user (tests and the preview tool pin it).
    void load(QByteArrayView bytes, const ReadingContext& context);

    // The person's answer to question `question`: the index of a choice.
    Q_INVOKABLE void answer(int question, int choice);
    // Writes what the preview shows in one save. False, with `error` set,
    // when the save failed and nothing was imported.
    Q_INVOKABLE bool apply();

Q_SIGNALS:
    void storeChanged();
    void fileChanged();
    void previewChanged();
    void errorChanged();
    void imported();

private:
    // A currency the file writes as a symbol several currencies share.
    struct CurrencyQuestion {
        QString written;
        QStringList choices;
    };

    void read();
    void update();
    QList<ImportQuestionsModel::Question> questionList() const;
    QString detailOf(const ImportedSubscription& subscription);
    bool isTracked(qsizetype row) const { return m_matches.value(row) != nullptr; }
    void setError(const QString& error);

    QPointer<SubscriptionStore> m_store;
    QUrl m_file;
    ImportDocument m_document;
    std::optional<ReadingContext> m_context;
    QList<CurrencyQuestion> m_currencyQuestions;  // in the order the file first writes them
    QHash<QString, QString> m_currencyAnswers;    // as written -> ISO code
    QHash<QDateTime, QString> m_dateTexts;        // in the reading's calendar
    ImportReading m_reading;
    QList<Subscription*> m_matches;  // per row of the reading
    bool m_updatesTracked = false;
    QString m_error;
    ImportRowsModel m_rows;
    ImportQuestionsModel m_questions;
};

}  // namespace tabrino
