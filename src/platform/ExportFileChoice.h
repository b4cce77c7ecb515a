// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QUrl>

class QWindow;

namespace tabrino {

// The exports' save dialog belongs to the window that asked for it (the
// panel), so the window manager keeps it above that window and gives the
// focus back to it. This is what the dialog proposes and what its answer
// means; the dialog itself is the toolkit's (the desktop's own through the
// portal or the platform theme, else Qt Quick's, drawn inside the window).
class ExportFileChoice {
    Q_DECLARE_TR_FUNCTIONS(ExportFileChoice)

public:
    // The exports' files: the two of ExportService and the calendar.
    enum class Format { Csv, Json, Ics };

    ExportFileChoice() = delete;

    // "CSV files (*.csv)", "JSON files (*.json)" or "Calendar files (*.ics)".
    static QString nameFilter(Format format);
    // "csv", "json" or "ics".
    static QString suffix(Format format);
    // The user's documents folder, or home where there is none.
    static QUrl startFolder();
    // The export's proposed name ("Tabrino Export.csv") in the start folder.
    static QUrl suggestedFile(Format format);
    // The local file the user confirmed, with the format's extension added
    // to a bare name; empty when the answer names no local file.
    static QString chosenPath(const QUrl& chosen, Format format);

    // Keeps a panel open while its dialog is up: the panel closes when it
    // loses the focus, and the dialog takes it. Releasing gives the window
    // back the keyboard. Windows other than the panel are left as they are.
    class WindowHold {
    public:
        WindowHold() = default;
        WindowHold(const WindowHold&) = delete;
        WindowHold& operator=(const WindowHold&) = delete;
        ~WindowHold() { release(); }

        void hold(QWindow* window);
        void release();
        bool isHolding() const { return !m_window.isNull(); }

    private:
        QPointer<QWindow> m_window;
        bool m_hidesOnDeactivate = true;
    };
};

}  // namespace tabrino
