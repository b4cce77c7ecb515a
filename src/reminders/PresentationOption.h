#pragma once

#include <QFlags>

namespace tabrino {

// How a notification that fires is shown. Without banner and list it is not
// shown at all.
enum class PresentationOption { banner = 0x1, list = 0x2, sound = 0x4, badge = 0x8 };
using PresentationOptions = QFlags<PresentationOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(PresentationOptions)

}  // namespace tabrino
