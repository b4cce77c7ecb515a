// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tabrino {

class Subscription;

// Builds the CSV and JSON export files from subscriptions, in the order
// given (the caller passes active ones first, then archived ones), and
// writes the bytes to the location the user chose. Stateless.
class ExportService {
public:
    enum class Format { Csv, Json };

    ExportService() = delete;

    // Header line plus one line per subscription, "\n" between lines and
    // none after the last.
    static QString csv(const QList<Subscription*>& subscriptions);
    // A pretty-printed array with sorted keys, in the layout of the JSON
    // encoder the export format was defined with.
    static QByteArray json(const QList<Subscription*>& subscriptions);
    // The file content: the CSV as UTF-8 or the JSON bytes.
    static QByteArray build(const QList<Subscription*>& subscriptions, Format format);
    static QString suggestedFileName(Format format);

    // Replaces the file at `path` with `bytes` atomically: on failure the
    // previous file, if any, stays untouched. False when anything failed,
    // with the reason in `error` when one is given.
    static bool write(const QByteArray& bytes, const QString& path, QString* error = nullptr);
};

}  // namespace tabrino
