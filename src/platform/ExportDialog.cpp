#include "platform/ExportDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace tabrino {

QString ExportDialog::nameFilter(Format format)
{
    return format == Format::Csv ? QStringLiteral("CSV files (*.csv)") : QStringLiteral("JSON files (*.json)");
}

QFileDialog* ExportDialog::open(Format format, std::function<void(const QString& path)> chosen, QWidget* parent)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Export"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(nameFilter(format));
    dialog->setDefaultSuffix(format == Format::Csv ? QStringLiteral("csv") : QStringLiteral("json"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    dialog->setDirectory(folder);
    dialog->selectFile(ExportService::suggestedFileName(format));
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [chosen = std::move(chosen)](const QString& path) {
        if (!path.isEmpty() && chosen)
            chosen(path);
    });
    dialog->open();
    return dialog;
}

}  // namespace tabrino
