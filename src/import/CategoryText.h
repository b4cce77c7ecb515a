// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/SubscriptionCategory.h"

#include <QStringView>

namespace tabrino {

// A category as another program names it, to the nearest of Tabrino's ten:
// its own names in any letter case, then the kind of service a word points
// to ("Entertainment", "Video" are streaming; "Storage", "Hosting" cloud;
// "Sports & Fitness" fitness), else Other.
class CategoryText {
public:
    struct Reading {
        SubscriptionCategory category = SubscriptionCategory::Other;
        bool approximate = false;  // a nearest category, not the file's own name for it
    };

    CategoryText() = delete;

    // Empty text and the usual words for "none" are Other, as given.
    static Reading read(QStringView text);
};

}  // namespace tabrino
