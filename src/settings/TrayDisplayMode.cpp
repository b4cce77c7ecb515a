#include "settings/TrayDisplayMode.h"

namespace tabrino {

using namespace Qt::StringLiterals;

QString toString(TrayDisplayMode mode)
{
    switch (mode) {
    case TrayDisplayMode::Total:
        return u"total"_s;
    case TrayDisplayMode::IconOnly:
        return u"iconOnly"_s;
    case TrayDisplayMode::IconAndTotal:
        return u"iconAndTotal"_s;
    }
    return u"total"_s;
}

std::optional<TrayDisplayMode> trayDisplayModeFromString(QStringView text)
{
    for (const TrayDisplayMode mode : kTrayDisplayModes) {
        if (text == toString(mode))
            return mode;
    }
    return std::nullopt;
}

QString label(TrayDisplayMode mode)
{
    switch (mode) {
    case TrayDisplayMode::Total:
        return u"Total only"_s;
    case TrayDisplayMode::IconOnly:
        return u"Icon only"_s;
    case TrayDisplayMode::IconAndTotal:
        return u"Icon and total"_s;
    }
    return u"Total only"_s;
}

}  // namespace tabrino
