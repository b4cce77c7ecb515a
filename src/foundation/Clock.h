#pragma once

#include <QDateTime>

#include <functional>

namespace tabrino {

// The one source of "now". Tests replace it to pin the moment.
class Clock {
public:
    using Source = std::function<QDateTime()>;

    static QDateTime now();                  // UTC
    static void setSource(Source source);    // empty source: the system clock
};

}  // namespace tabrino
