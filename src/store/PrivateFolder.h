// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tabrino {

// Creates `folder` and its missing parents, the folder itself readable by
// its owner only (0700). True when it exists afterwards; otherwise `error`
// says why.
bool makePrivateFolder(const QString& folder, QString* error);

}  // namespace tabrino
