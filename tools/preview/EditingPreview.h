// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QQuickItem;

// The add flow's stages and the edit form, brought up in a shown panel for
// the preview tool: add-search, add-plan, add-form and edit-form.
class EditingPreview {
public:
    static bool handles(const QString& screen);
    // False when the screen could not be reached.
    static bool open(QQuickItem* panel, const QString& screen);
};
