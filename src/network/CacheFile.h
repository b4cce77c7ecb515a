// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace tabrino {

// A downloaded file kept in the data folder.
class CacheFile {
public:
    CacheFile() = delete;

    // Writes `bytes` to a temporary file beside `path` that then replaces it,
    // making the folder first when it is missing: a reader sees the old file
    // or the new one, never a part. On failure the old file stays and
    // `error` says why.
    static bool replace(const QString& path, const QByteArray& bytes, QString* error);
};

}  // namespace tabrino
