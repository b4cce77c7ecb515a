// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/SettingsImport.h"

#include "platform/ImportFileChoice.h"

namespace tabrino {

QStringList SettingsImport::nameFilters()
{
    return ImportFileChoice::nameFilters();
}

QUrl SettingsImport::folder()
{
    return ExportFileChoice::startFolder();
}

void SettingsImport::begin(QWindow* window)
{
    m_hold.hold(window);
}

QUrl SettingsImport::finish(const QUrl& chosen)
{
    m_hold.release();
    const QString path = ImportFileChoice::chosenPath(chosen);
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

void SettingsImport::cancel()
{
    m_hold.release();
}

}  // namespace tabrino
