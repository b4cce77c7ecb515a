#include "platform/PortalSettings.h"

#include <QDBusVariant>

namespace tabrino {

QVariant PortalSettings::unwrap(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

}  // namespace tabrino
