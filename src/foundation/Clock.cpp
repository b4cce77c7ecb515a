// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Clock.h"

namespace tabrino {

namespace {
Clock::Source& source()
{
    static Clock::Source current;
    return current;
}
}  // namespace

QDateTime Clock::now()
{
    return source() ? source()().toUTC() : QDateTime::currentDateTimeUtc();
}

void Clock::setSource(Source newSource)
{
    source() = std::move(newSource);
}

}  // namespace tabrino
