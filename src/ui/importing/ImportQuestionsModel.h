// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/KeyedListModel.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// What the preview asks, keyed by the question, so an answer updates its
// picker in place and the keyboard stays on it.
class ImportQuestionsModel : public KeyedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The import preview asks its questions.")

public:
    enum Role { PromptRole = Qt::UserRole + 1, ChoicesRole, SelectedIndexRole };

    struct Question {
        QString prompt;
        QStringList choices;
        int selectedIndex = -1;  // -1 while unanswered

        friend bool operator==(const Question&, const Question&) = default;
    };

    using KeyedListModel::KeyedListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<Question>& questions() const { return m_questions; }
    void setQuestions(const QList<Question>& questions);

private:
    QList<Question> m_questions;
};

}  // namespace tabrino
