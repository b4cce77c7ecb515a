#pragma once

#include "export/ExportService.h"

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace tabrino {

// The save dialog of the exports: suggests "Tabrino Export.csv" or
// "Tabrino Export.json", filters by that type, adds the extension to a bare
// name, allows new folders, and returns at once; `chosen` runs later with
// the confirmed path, and not at all on cancel. The desktop's own dialog
// (portal, GTK or KDE) is used where the platform theme offers one.
class ExportDialog {
public:
    using Format = ExportService::Format;

    ExportDialog() = delete;

    // The dialog deletes itself when closed; the pointer lets a caller
    // follow or steer it.
    static QFileDialog* open(Format format, std::function<void(const QString& path)> chosen,
                             QWidget* parent = nullptr);

    static QString nameFilter(Format format);
};

}  // namespace tabrino
