#include "settings/MenuBarDisplayMode.h"

namespace tabrino {

using namespace Qt::StringLiterals;

QString rawValue(MenuBarDisplayMode mode)
{
    switch (mode) {
    case MenuBarDisplayMode::total:
        return u"total"_s;
    case MenuBarDisplayMode::iconOnly:
        return u"iconOnly"_s;
    case MenuBarDisplayMode::iconAndTotal:
        return u"iconAndTotal"_s;
    }
    return u"total"_s;
}

std::optional<MenuBarDisplayMode> menuBarDisplayModeFromRawValue(QStringView text)
{
    for (const MenuBarDisplayMode mode : kAllMenuBarDisplayModes) {
        if (text == rawValue(mode))
            return mode;
    }
    return std::nullopt;
}

QString label(MenuBarDisplayMode mode)
{
    switch (mode) {
    case MenuBarDisplayMode::total:
        return u"Total only"_s;
    case MenuBarDisplayMode::iconOnly:
        return u"Icon only"_s;
    case MenuBarDisplayMode::iconAndTotal:
        return u"Icon and total"_s;
    }
    return u"Total only"_s;
}

}  // namespace tabrino
