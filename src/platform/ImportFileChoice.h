// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace tabrino {

// What the import's open dialog offers and what its answer means. The
// dialog is the toolkit's and belongs to the panel, as the exports' save
// dialog does (ExportFileChoice, whose start folder and window hold it
// shares).
class ImportFileChoice {
    Q_DECLARE_TR_FUNCTIONS(ImportFileChoice)

public:
    ImportFileChoice() = delete;

    // CSV and JSON files first, then any file: other programs name their
    // exports as they like, and the content, not the name, tells the format.
    static QStringList nameFilters();
    // The local file the answer names; empty when it names none.
    static QString chosenPath(const QUrl& chosen);
};

}  // namespace tabrino
