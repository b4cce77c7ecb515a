// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tabrino {

// Translates the symbol names that the catalog and the screens use (Apple's SF
// Symbols vocabulary, such as "play.tv" or "chevron.left") into ligature names
// of the Material Icons font. Text set in that font draws one glyph when it is
// a ligature name, so a symbol is drawn by writing its ligature.
class SymbolMap {
public:
    SymbolMap() = delete;

    // The ligature for a symbol name, or std::nullopt when the name is not in
    // the map (the service icon then draws the name's initial instead).
    // Matching is exact and case-sensitive.
    static std::optional<QString> ligature(const QString& symbolName);

    // Every symbol name the map knows, in ascending order.
    static QStringList knownSymbols();

    // The symbol font's family, loaded on first use from the installed
    // Material Icons file or found through fontconfig; empty when neither
    // exists (callers then draw a plain substitute).
    static QString fontFamily();
};

}  // namespace tabrino
