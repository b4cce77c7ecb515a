// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/importing/ImportQuestionsModel.h"

namespace tabrino {

int ImportQuestionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_questions.size());
}

QVariant ImportQuestionsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Question& question = m_questions.at(index.row());
    switch (role) {
    case PromptRole: return question.prompt;
    case ChoicesRole: return question.choices;
    case SelectedIndexRole: return question.selectedIndex;
    default: return {};
    }
}

QHash<int, QByteArray> ImportQuestionsModel::roleNames() const
{
    return {{PromptRole, "prompt"}, {ChoicesRole, "choices"}, {SelectedIndexRole, "selectedIndex"}};
}

void ImportQuestionsModel::setQuestions(const QList<Question>& questions)
{
    updateRows(m_questions, questions, [](const Question& question) { return question.prompt; });
}

}  // namespace tabrino
