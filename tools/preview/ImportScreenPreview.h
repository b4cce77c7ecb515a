// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

class QQuickItem;

// The import screen for the preview tool ("import"): a Wallos export of the
// kind people bring, with a subscription the demo set tracks already, a
// price in kronor (which ones, the person is asked), a period without a
// cycle of its own and a line that cannot be read, opened from the settings
// as the person would. (One such line: with two, the list outgrows the
// panel and the second is scrolled out of the picture.)
class ImportScreenPreview {
public:
    static bool handles(const QString& screen);
    // False when the screen could not be reached.
    bool open(QQuickItem* panel);

private:
    QTemporaryDir m_folder;  // the demo file lives as long as the picture takes
};
