// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ExportFileChoice.h"

#include "export/CalendarExport.h"
#include "export/ExportService.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWindow>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

// The panel window's switch for closing on focus loss, by name: this layer
// sits below the shell that defines the window.
constexpr char kHidesOnDeactivate[] = "hidesOnDeactivate";

}  // namespace

QString ExportFileChoice::nameFilter(Format format)
{
    const QString pattern = u"*."_s + suffix(format);
    switch (format) {
    //: A file type in the export's save dialog; %1 is its file name pattern, kept last in parentheses
    case Format::Csv: return tr("CSV files (%1)").arg(pattern);
    //: A file type in the export's save dialog; %1 is its file name pattern, kept last in parentheses
    case Format::Json: return tr("JSON files (%1)").arg(pattern);
    //: A file type in the export's save dialog; %1 is its file name pattern, kept last in parentheses
    case Format::Ics: return tr("Calendar files (%1)").arg(pattern);
    }
    return {};
}

QString ExportFileChoice::suffix(Format format)
{
    switch (format) {
    case Format::Csv: return QStringLiteral("csv");
    case Format::Json: return QStringLiteral("json");
    case Format::Ics: return QStringLiteral("ics");
    }
    return {};
}

QUrl ExportFileChoice::startFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QUrl::fromLocalFile(folder);
}

QUrl ExportFileChoice::suggestedFile(Format format)
{
    const QString name = format == Format::Ics
        ? CalendarExport::suggestedFileName()
        : ExportService::suggestedFileName(format == Format::Csv ? ExportService::Format::Csv
                                                                 : ExportService::Format::Json);
    return QUrl::fromLocalFile(QDir(startFolder().toLocalFile()).filePath(name));
}

QString ExportFileChoice::chosenPath(const QUrl& chosen, Format format)
{
    // Qt Quick's own dialog answers a typed name with a bare absolute path
    // rather than a file: address.
    const bool barePath = chosen.scheme().isEmpty() && QDir::isAbsolutePath(chosen.path());
    if (!chosen.isLocalFile() && !barePath)
        return QString();
    const QString path = barePath ? QDir::cleanPath(chosen.path()) : chosen.toLocalFile();
    const QFileInfo file(path);
    if (file.fileName().isEmpty())
        return QString();
    // "spending" becomes "spending.csv"; "spending.txt" stays as the user typed it.
    return file.suffix().isEmpty() ? path + u'.' + suffix(format) : path;
}

void ExportFileChoice::WindowHold::hold(QWindow* window)
{
    release();
    if (!window)
        return;
    const QVariant hides = window->property(kHidesOnDeactivate);
    if (!hides.isValid())
        return;
    m_window = window;
    m_hidesOnDeactivate = hides.toBool();
    window->setProperty(kHidesOnDeactivate, false);
}

void ExportFileChoice::WindowHold::release()
{
    if (!m_window)
        return;
    QWindow* window = m_window;
    m_window.clear();
    window->setProperty(kHidesOnDeactivate, m_hidesOnDeactivate);
    if (window->isVisible())
        window->requestActivate();
}

}  // namespace tabrino
