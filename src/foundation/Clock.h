// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>

#include <functional>

namespace tabrino {

// The one source of "now". Tests replace it to pin the moment.
class Clock {
public:
    using Source = std::function<QDateTime()>;

    static QDateTime now();                // UTC
    static void setSource(Source source);  // empty source: the system clock
};

}  // namespace tabrino
